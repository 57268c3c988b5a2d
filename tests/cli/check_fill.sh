#!/usr/bin/env bash
# The window-less fill of the program: gridmora --fill IN OUT, run as a user runs it, without a display,
# with the word lists of the build. Checks the file it writes, its messages on stderr and its exit codes.
#
#   tests/cli/check_fill.sh PROGRAM_DIR
#
# PROGRAM_DIR is the program folder of a build (build/gridmora); the sample crosswords are taken from it.
set -uo pipefail

dir=${1:?usage: check_fill.sh PROGRAM_DIR}
program="$dir/gridmora"
samples="$dir/Samples"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

# run EXPECTED_CODE ARGS...: runs the program, keeps stderr in $work/err, checks the exit code.
run() {
    local expected=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>"$work/err"
    local code=$?
    if [ "$code" != "$expected" ]; then
        echo "FAIL: gridmora $* exited with $code, not $expected"
        cat "$work/err"
        fail=1
    fi
}
said() {
    grep -qF -- "$1" "$work/err" || { echo "FAIL: stderr lacks \"$1\":"; cat "$work/err"; fail=1; }
}
silent() {
    [ ! -s "$work/err" ] || { echo "FAIL: unexpected messages:"; cat "$work/err"; fail=1; }
}

# A bare grid becomes a crossword with answers (first line 0); a seed gives the same file again.
run 0 --fill "$samples/Сетка.krw" "$work/filled.krw" --seed 7
silent
[ "$(head -c 3 "$work/filled.krw")" = " 0 " ] || { echo "FAIL: the filled grid is not a crossword with answers"; fail=1; }
run 0 --fill "$samples/Сетка.krw" "$work/again.krw" --seed 7 --time-limit 30
silent
cmp -s "$work/filled.krw" "$work/again.krw" || { echo "FAIL: the same seed gave another fill"; fail=1; }
# Its answers read back: the export of a crossword with answers works on it.
run 0 --export "$work/filled.ipuz" "$work/filled.krw"
grep -q '"solution"' "$work/filled.ipuz" || { echo "FAIL: the filled crossword has no answers"; fail=1; }

# A crossword whose every word has an answer comes back as it was.
run 0 --fill "$samples/First.krw" "$work/first.krw"
silent
cmp -s "$samples/First.krw" "$work/first.krw" || { echo "FAIL: a complete crossword changed"; fail=1; }

# What it refuses, with its reasons.
run 1 --fill "$work/missing.krw" "$work/out.krw"
said "не удалось прочитать как кроссворд"
[ ! -e "$work/out.krw" ] || { echo "FAIL: out.krw should not have been written"; fail=1; }
run 2 --fill "$samples/Сетка.krw"
said "gridmora --fill"
run 2 --fill "$samples/Сетка.krw" "$work/out.krw" --time-limit soon
said "gridmora --fill"

[ "$fail" = 0 ] && echo "OK: the command-line fill writes, refuses and reports as it should"
exit "$fail"
