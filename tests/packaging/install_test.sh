#!/usr/bin/env bash
# An installed tree works once moved away from where it was installed and without the build
# folder: its programs find the city database beside them, then in $XDG_DATA_DIRS, and name
# every path tried when none holds it. Uninstalling removes every installed file.
# Usage: install_test.sh CMAKE BUILD_DIR SOURCE_DIR
set -euo pipefail
cmake=$1 build=$2 source=$3
tmp=$(mktemp -d)
manifest=$build/install_manifest_Unspecified.txt
trap 'rm -rf "$tmp" "$manifest"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The default component keeps the build folder's own install_manifest.txt as it was.
"$cmake" --install "$build" --prefix "$tmp/first" --component Unspecified > /dev/null
mv "$tmp/first" "$tmp/moved"
tree=$tmp/moved
for file in bin/orvanta-times share/orvanta/cities.db share/man/man1/orvanta-times.1.gz \
            lib/orvanta/plugins/orvanta-sound.so lib/orvanta/plugins/orvanta-print.so \
            share/bash-completion/completions/orvanta-times \
            share/doc/orvanta/NOTICE share/doc/orvanta/copyright share/doc/orvanta/changelog.gz; do
    [[ -f $tree/$file ]] || fail "not installed: $file"
done
# The manual page names the database under the prefix it was installed to.
zcat "$tree/share/man/man1/orvanta-times.1.gz" | grep -qF "$tmp/first/share/orvanta/cities.db" ||
    fail "the manual page does not name $tmp/first/share/orvanta/cities.db"

export HOME=$tmp/home XDG_DATA_HOME=$tmp/home/data XDG_CONFIG_HOME=$tmp/home/config
export XDG_DATA_DIRS=$tmp/none
unset ORVANTA_CITY_DB
mkdir -p "$HOME"
args=(--city Mecca --date 2026-03-20 --24h)
expected=$("$build/cli/orvanta-times" "${args[@]}")

# Beside the program.
actual=$("$tree/bin/orvanta-times" "${args[@]}") || fail "the moved tree's program failed"
[[ $actual == "$expected" ]] || fail "the moved tree prints other times: $actual"

# In $XDG_DATA_DIRS: a relative entry is ignored, the absolute one is used.
mkdir -p "$tmp/xdg/orvanta"
mv "$tree/share/orvanta/cities.db" "$tmp/xdg/orvanta/cities.db"
actual=$(XDG_DATA_DIRS="relative/share:$tmp/xdg" "$tree/bin/orvanta-times" "${args[@]}") ||
    fail "the database in XDG_DATA_DIRS was not used"
[[ $actual == "$expected" ]] || fail "the XDG_DATA_DIRS database prints other times: $actual"

# Nowhere: exit status 1, nothing on standard output, every path tried on standard error.
status=0
actual=$("$tree/bin/orvanta-times" "${args[@]}" 2> "$tmp/error") || status=$?
[[ $status == 1 && -z $actual ]] || fail "without a database: status $status, output '$actual'"
for tried in "$tree/share/orvanta/cities.db" "$tmp/none/orvanta/cities.db"; do
    grep -qF "$tried" "$tmp/error" || fail "the error does not name $tried: $(cat "$tmp/error")"
done

# Uninstall removes every file the install wrote.
"$cmake" --install "$build" --prefix "$tmp/again" --component Unspecified > /dev/null
"$cmake" -DORVANTA_MANIFEST="$manifest" -P "$source/packaging/uninstall.cmake" > /dev/null
left=$(find "$tmp/again" -type f)
[[ -z $left ]] || fail "left after uninstalling: $left"
[[ ! -e $tmp/again/share/orvanta ]] || fail "share/orvanta is left after uninstalling"

exit $((failures > 0))
