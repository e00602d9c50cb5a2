#!/usr/bin/env bash
# Runs the built mfdtool, natively or under Wine, on the sample exchange files and compares
# its output, byte for byte, and its exit status with what a driver author should see.
#   mfdtool_cli.sh MFDTOOL [RUNNER]   (RUNNER: the Wine runner for the Windows build)
set -uo pipefail
tool=$1
runner=${2:-}
here=$(cd "$(dirname "$0")/mfdtool" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# A Windows program names the sample files by their Wine drive path.
path() { if [ -n "$runner" ]; then echo "Z:${here//\//\\}\\$1"; else echo "$here/$1"; fi; }

passed=0
failed=0
# check NAME STATUS ARGS...: ARGS ending in .mfd or .lst are sample files.
check() {
    local name=$1 want=$2 args=() a
    shift 2
    for a in "$@"; do case "$a" in *.mfd|*.lst) args+=("$(path "$a")") ;; *) args+=("$a") ;; esac; done
    $runner "$tool" "${args[@]}" >"$out/$name.out" 2>"$out/$name.err"
    local got=$?
    local ok=1
    [ "$got" -eq "$want" ] || { echo "$name: exit status $got, expected $want"; ok=0; }
    if [ "$want" -eq 0 ]; then
        cmp -s "$out/$name.out" "$here/expected/$name.out" ||
            { echo "$name: output differs"; diff <(od -c "$here/expected/$name.out") <(od -c "$out/$name.out") | head -20; ok=0; }
    else
        local why="usage: mfdtool"
        [ "$want" -eq 1 ] && why="${args[-1]}"
        [ -s "$out/$name.out" ] && { echo "$name: wrote to standard output"; ok=0; }
        grep -qF "$why" "$out/$name.err" ||
            { echo "$name: standard error does not say '$why':"; cat "$out/$name.err"; ok=0; }
    fi
    if [ $ok -eq 1 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}

check parse-compose 0 parse compose.mfd
check parse-lf-only 0 parse lf-only.mfd
check classify-read 0 classify read-encrypted.mfd
check unindent-read 0 unindent read-encrypted.mfd
check decide-compose 0 decide --option 2 compose.mfd
check decide-mailing-list 0 decide --mailing-list mailing.lst --option 2 compose.mfd
check decide-read 0 decide read-encrypted.mfd
check decide-key 0 decide key.mfd
check decide-posting-encrypt 0 decide --special --option 0 posting.mfd
check decide-posting-sign 0 decide --special --option 1 posting.mfd
check missing-file 1 parse missing.mfd
check no-arguments 2
check option-without-number 2 decide --option compose.mfd

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
