#!/usr/bin/env bash
# The desktop entry and the AppStream metadata pass their validators; skipped (77) when the
# validator is not installed (Debian packages desktop-file-utils and appstream).
# Usage: validate_test.sh desktop|metainfo FILE
set -euo pipefail
case $1 in
    desktop) tool=(desktop-file-validate) ;;
    metainfo) tool=(appstreamcli validate --no-net) ;;
    *) echo "unknown kind $1" >&2; exit 2 ;;
esac
if ! command -v "${tool[0]}" > /dev/null; then
    echo "${tool[0]} is not installed: skipped"
    exit 77
fi
output=$("${tool[@]}" "$2" 2>&1) || { echo "$output"; exit 1; }
# desktop-file-validate prints nothing for a clean file; appstreamcli prints its findings.
if [[ $1 == desktop && -n $output ]] || grep -qE '^(E|W):' <<< "$output"; then
    echo "$output"
    exit 1
fi
