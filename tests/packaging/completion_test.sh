#!/usr/bin/env bash
# The bash completion of orvanta-times, loaded in a non-interactive bash and called as readline
# would call it (COMP_WORDS, COMP_CWORD) for named cases.
# Usage: completion_test.sh COMPLETION_FILE ORVANTA_TIMES
set -uo pipefail
completion=$1 program=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config
unset ORVANTA_CITY_DB
# shellcheck source=/dev/null
source "$completion"

# A zone folder of its own: two zones (one a link), a table and a README that are not zones,
# and the posix/ copy that is left out.
zones=$tmp/zoneinfo
mkdir -p "$zones/Atlantis" "$zones/posix/Atlantis"
printf 'TZif2\0\0\0' > "$zones/Atlantis/Capital"
ln -s Capital "$zones/Atlantis/Harbour"
printf 'TZif2\0\0\0' > "$zones/posix/Atlantis/Capital"
printf 'AT\t+3000-01000\tAtlantis/Capital\n' > "$zones/zone.tab"
printf 'Not a zone\n' > "$zones/Atlantis/README"

failures=0
# check NAME EXPECTED-REPLIES(one per line, in order) WORD...: the last word is completed.
check() {
    local name=$1 expected=$2
    shift 2
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _orvanta_times
    local actual
    actual=$(printf '%s\n' "${COMPREPLY[@]}")
    if [[ $actual != "$expected" ]]; then
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$name" "$expected" "$actual" >&2
        failures=$((failures + 1))
    fi
}
# contains NAME EXPECTED-REPLY WORD...: one of the replies is the one given.
contains() {
    local name=$1 expected=$2
    shift 2
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _orvanta_times
    local reply
    for reply in "${COMPREPLY[@]}"; do
        [[ $reply == "$expected" ]] && return
    done
    printf 'FAIL %s: %q not among %q\n' "$name" "$expected" "${COMPREPLY[*]}" >&2
    failures=$((failures + 1))
}

p=$program
check "option by prefix" "--format" $p --fo
check "dates options" $'--dst\n--date\n--depression' $p --d
check "the subcommand first" "cities" $p ci
check "no subcommand later" "" $p --24h ci
check "format values" $'text\ncsv\njson\nics' $p --format ""
check "format after =" "json" $p --format = j
check "method values" "interval" $p --method i
check "asr values" "hanafi" $p --asr h
check "preset ids" $'umm-al-qura' $p --preset um
check "preset ids by m" $'mwl\nmalaysia\nmoonsighting' $p --preset m
check "high-latitude rules" $'seventh-of-night' $p --high-latitude s
check "method options" $'--isha-angle\n--isha-interval' $p --isha
check "presets subcommand" "presets" $p pre
check "next: its formats, its options, no dates" $'waybar' $p next --format w
check "next: options" $'--dst\n--depression' $p next --city Mecca --d
check "next: a value of a times option" "hanafi" $p next --asr h
check "nothing for a date" "" $p --date 20
check "nothing for a number" "" $p --lat ""
check "cities actions" $'search\nnearest\nhome\nadd\nremove' $p cities ""
check "nearest formats" "json" $p cities nearest 1 2 --format j
check "holidays: its options" $'--year\n--format\n--hijri-offset\n--help' $p holidays --
check "holidays: ics" "ics" $p holidays --format i
check "search options" "--limit" $p cities search --l
check "home options" $'--clear\n--help' $p cities home --
check "add options" $'--lat\n--lon' $p cities add "My Village" --l
check "no completion for a new city's name" "" $p cities add My

TZDIR=$zones check "zones: TZif files and links only" \
    $'Atlantis/Capital\nAtlantis/Harbour' $p --tz ""
TZDIR=$zones check "zones by prefix" "Atlantis/Harbour" $p --tz Atlantis/H
TZDIR=$zones check "zones for a city of your own" "Atlantis/Capital" \
    $p cities add Town --lat 1 --lon 2 --tz Atlantis/C
contains "the system's zones" "Asia/Riyadh" $p --tz Asia/Ri

contains "city by prefix" "Mecca" $p --city Mec
contains "city names are escaped" 'Detroit\,\ MI' $p --city Detroit
contains "inside quotes names are as they are" "Detroit, MI" $p --city '"Detroit'
contains "an escaped space is searched as a space" 'San\ Francisco\,\ CA' $p --city 'San\ Fr'
contains "cities search" "Mecca" $p cities search Mec
contains "cities home" "Mecca" $p cities home Mec
check "timetable actions" "import" $p timetable im
contains "timetable city" "Mecca" $p timetable remove --city Mec
check "no city matches" "" $p --city Qqqqzz

exit $((failures > 0))
