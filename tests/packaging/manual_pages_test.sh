#!/usr/bin/env bash
# Each manual page formats without a warning in the C locale, as man shows it on a terminal
# without UTF-8: a character troff cannot draw there (\[u2026]) would be dropped.
# Usage: manual_pages_test.sh PAGE...
set -uo pipefail
failures=0
for page in "$@"; do
    warnings=$(LC_ALL=C groff -man -Tascii -ww "$page" 2>&1 > /dev/null)
    if [[ -n $warnings ]]; then
        echo "FAIL $page: $warnings" >&2
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
