# bash completion for orvanta-times: options, their fixed values, IANA zone names for --tz and
# city names (through `orvanta-times cities search`) for --city and the cities subcommands.
# Needs nothing but bash; installed as share/bash-completion/completions/orvanta-times.

_orvanta_times_options="--city --lat --lon --tz --zone --dst --date --month --year --from --to
--method --depression --interval --asr --hijri-offset --preset --fajr-angle --isha-angle
--isha-interval --maghrib-angle --adjust --high-latitude --nearest-latitude --rounding --format
--24h --extras --imsak-minutes --help --version"
_orvanta_times_presets="classic mwl isna egypt karachi umm-al-qura dubai qatar kuwait singapore
malaysia indonesia turkey france russia tehran jafari moonsighting"

# The program completed: the word typed when it names a file that runs, else the one on PATH.
_orvanta_times_program() {
    if [[ $1 == */* && -x $1 ]]; then
        printf '%s' "$1"
    else
        printf 'orvanta-times'
    fi
}

# Zone names below $TZDIR (default /usr/share/zoneinfo): files, or links to files, that begin
# with the TZif magic; the posix/ and right/ copies are left out.
_orvanta_times_zones() {
    local dir=${TZDIR:-/usr/share/zoneinfo} file magic
    while IFS= read -r file; do
        [[ -f $file ]] || continue
        IFS= read -r -n 4 magic < "$file" 2>/dev/null || true
        [[ $magic == TZif ]] && printf '%s\n' "${file#"$dir"/}"
    done < <(find -L "$dir" \( -path "$dir/posix" -o -path "$dir/right" \) -prune \
                 -o -path "$dir/$1*" -type f -print 2>/dev/null | LC_ALL=C sort)
}

# City names that begin with $2 (case and accents ignored), from the program $1.
_orvanta_times_cities() {
    local line first=1
    while IFS= read -r line; do
        if ((first)); then first=0; continue; fi  # the header row
        printf '%s\n' "${line%%  *}"               # columns are two or more spaces apart
    done < <("$1" cities search "$2" --limit 50 2>/dev/null)
}

# Fills COMPREPLY with the lines of $2 that fit the word being completed, $1.
_orvanta_times_reply() {
    local cur=$1 line
    COMPREPLY=()
    while IFS= read -r line; do
        [[ -n $line ]] || continue
        if [[ $cur == [\"\']* ]]; then
            COMPREPLY+=("$line")  # inside quotes: readline quotes nothing more
        else
            COMPREPLY+=("$(printf '%q' "$line")")
        fi
    done <<< "$2"
}

_orvanta_times() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local program plain
    program=$(_orvanta_times_program "${COMP_WORDS[0]}")
    # --option=value is split at the '=' (COMP_WORDBREAKS).
    if [[ $cur == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD-1]} cur=""
    elif [[ $prev == = ]] && ((COMP_CWORD >= 2)); then
        prev=${COMP_WORDS[COMP_CWORD-2]}
    fi
    plain=${cur#[\"\']}
    plain=${plain//\\/}

    if [[ ${COMP_WORDS[1]} == next ]] && ((COMP_CWORD >= 2)); then
        case $prev in
            --format) mapfile -t COMPREPLY < <(compgen -W "text json waybar" -- "$cur") ;;
            --soon | --now) COMPREPLY=() ;;
            *) _orvanta_times_next_words "$program" "$cur" "$prev" ;;
        esac
        return 0
    fi
    if [[ ${COMP_WORDS[1]} == holidays ]] && ((COMP_CWORD >= 2)); then
        case $prev in
            --format) mapfile -t COMPREPLY < <(compgen -W "text json ics" -- "$cur") ;;
            --hijri-offset) mapfile -t COMPREPLY < <(compgen -W "-2 -1 0 1 2" -- "$cur") ;;
            --year) COMPREPLY=() ;;
            *) mapfile -t COMPREPLY < <(compgen -W "--year --format --hijri-offset --help" -- "$cur") ;;
        esac
        return 0
    fi
    if [[ ${COMP_WORDS[1]} == cities ]] && ((COMP_CWORD >= 2)); then
        _orvanta_times_cities_words "$program" "$cur" "$plain" "$prev"
        return 0
    fi
    if [[ ${COMP_WORDS[1]} == timetable ]] && ((COMP_CWORD >= 2)); then
        _orvanta_times_timetable_words "$program" "$cur" "$plain" "$prev"
        return 0
    fi
    case $prev in
        --city) _orvanta_times_reply "$cur" "$(_orvanta_times_cities "$program" "$plain")" ;;
        --tz) _orvanta_times_reply "$cur" "$(_orvanta_times_zones "$plain")" ;;
        --format) mapfile -t COMPREPLY < <(compgen -W "text csv json ics" -- "$cur") ;;
        --method) mapfile -t COMPREPLY < <(compgen -W "angle interval" -- "$cur") ;;
        --asr) mapfile -t COMPREPLY < <(compgen -W "shafi hanafi" -- "$cur") ;;
        --preset) mapfile -t COMPREPLY < <(compgen -W "$_orvanta_times_presets" -- "$cur") ;;
        --high-latitude)
            mapfile -t COMPREPLY < <(compgen -W \
                "none middle-of-night seventh-of-night twilight-angle nearest-day nearest-latitude" \
                -- "$cur")
            ;;
        --hijri-offset) mapfile -t COMPREPLY < <(compgen -W "-2 -1 0 1 2" -- "$cur") ;;
        --rounding) mapfile -t COMPREPLY < <(compgen -W "nearest up" -- "$cur") ;;
        --lat | --lon | --zone | --date | --month | --year | --from | --to | --depression | \
            --interval | --fajr-angle | --isha-angle | --isha-interval | --maghrib-angle | \
            --adjust | --nearest-latitude) COMPREPLY=() ;;
        *)
            local words=$_orvanta_times_options
            ((COMP_CWORD == 1)) && words="cities presets next holidays timetable $words"
            mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
            ;;
    esac
    return 0
}

# The words after `orvanta-times next`: its own options, then the place, settings and method
# options with their values, but not the dates.
_orvanta_times_next_words() {
    local words="--short --soon --now ${_orvanta_times_options/--date --month --year --from --to/}"
    case $3 in
        --city | --tz | --method | --asr | --preset | --high-latitude | --hijri-offset | \
            --rounding | --lat | --lon | --zone | --depression | --interval | --fajr-angle | \
            --isha-angle | --isha-interval | --maghrib-angle | --adjust | --nearest-latitude)
            local saved=("${COMP_WORDS[@]}")
            COMP_WORDS=("${COMP_WORDS[0]}" "${COMP_WORDS[@]:2}")
            ((COMP_CWORD--))
            _orvanta_times
            COMP_WORDS=("${saved[@]}")
            ((COMP_CWORD++))
            ;;
        *) mapfile -t COMPREPLY < <(compgen -W "$words" -- "$2") ;;
    esac
}

# The words after `orvanta-times cities`.
_orvanta_times_cities_words() {
    local program=$1 cur=$2 plain=$3 prev=$4 action=${COMP_WORDS[2]}
    if ((COMP_CWORD == 2)); then
        mapfile -t COMPREPLY < <(compgen -W "search nearest home add remove" -- "$cur")
        return
    fi
    case $action:$prev in
        add:--tz) _orvanta_times_reply "$cur" "$(_orvanta_times_zones "$plain")" ;;
        add:--lat | add:--lon | search:--limit | nearest:--limit) COMPREPLY=() ;;
        nearest:--format) mapfile -t COMPREPLY < <(compgen -W "text json" -- "$cur") ;;
        nearest:*)
            [[ $cur == -* ]] &&
                mapfile -t COMPREPLY < <(compgen -W "--limit --format --help" -- "$cur")
            ;;
        search:* | home:* | remove:*)
            if [[ $cur == -* ]]; then
                local flags="--help"
                [[ $action == search ]] && flags="--limit --help"
                [[ $action == home ]] && flags="--clear --help"
                mapfile -t COMPREPLY < <(compgen -W "$flags" -- "$cur")
            elif ((COMP_CWORD == 3)); then
                _orvanta_times_reply "$cur" "$(_orvanta_times_cities "$program" "$plain")"
            fi
            ;;
        add:*)
            if [[ $cur == -* ]] || ((COMP_CWORD > 3)); then
                mapfile -t COMPREPLY < <(compgen -W "--lat --lon --tz --help" -- "$cur")
            fi
            ;;
    esac
}

# The words after `orvanta-times timetable`: import FILE (CSV files), --city with city names.
_orvanta_times_timetable_words() {
    local program=$1 cur=$2 plain=$3 prev=$4 action=${COMP_WORDS[2]}
    if ((COMP_CWORD == 2)); then
        mapfile -t COMPREPLY < <(compgen -W "import list remove" -- "$cur")
        return
    fi
    case $action:$prev in
        import:--city | remove:--city)
            _orvanta_times_reply "$cur" "$(_orvanta_times_cities "$program" "$plain")"
            ;;
        import:* | remove:*)
            if [[ $cur == -* ]]; then
                mapfile -t COMPREPLY < <(compgen -W "--city --help" -- "$cur")
            elif [[ $action == import ]]; then
                compopt -o filenames 2>/dev/null
                mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            fi
            ;;
    esac
}

complete -F _orvanta_times orvanta-times
