#!/usr/bin/env bash
# `make help` lists every target the Makefile declares phony, one per line.
# Usage: make_help_test.sh SOURCE_DIR
set -uo pipefail
source=$1
help=$(make --no-print-directory -s -C "$source" help) || exit 1
failures=0
for target in $(sed -n 's/^\.PHONY://p' "$source/Makefile"); do
    if ! grep -qE "^  $target( |$)" <<< "$help"; then
        echo "FAIL: make help does not list $target" >&2
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
