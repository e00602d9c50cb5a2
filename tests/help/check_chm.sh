#!/usr/bin/env bash
# The compiled help file opens a page for every context that the help project maps: its
# context map names a page for each number of the project's [MAP], and the file holds a page
# of that name.
#   check_chm.sh PROJECT.hhp FILE.chm
set -euo pipefail
project=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$2" "$work/help.chm"
cd "$work"
# Writes help.ali, one "helpid<number>=<page>" line per context of the file's map.
chmls extractalias help.chm >/dev/null 2>&1
chmls --name-only list help.chm >names 2>/dev/null
numbers=$(sed -n 's/^#define[[:space:]]\+[A-Za-z_0-9]\+[[:space:]]\+\([0-9]\+\).*/\1/p' "$project" | tr -d '\r')
[ -n "$numbers" ] || { echo "no [MAP] entries in $project"; exit 1; }
failed=0
for number in $numbers; do
    page=$(sed -n "s/^helpid$number=//p" help.ali | tr -d '\r')
    if [ -z "$page" ]; then
        echo "context $number: not in the compiled map"
        failed=1
    elif ! grep -qxF "$page" names; then
        echo "context $number: the map names $page, which the file does not hold"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "$(echo "$numbers" | wc -w) contexts, each with its page"
exit "$failed"
