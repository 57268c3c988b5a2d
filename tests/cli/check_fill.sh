#!/usr/bin/env bash
# The window-less fill of the program: gridmora --fill IN OUT, run as a user runs it, without a display,
# with the word lists of the build. Checks the file it writes, its messages on stderr and its exit codes.
#
#   tests/cli/check_fill.sh PROGRAM_DIR
#
# PROGRAM_DIR is the program folder of a build (build/gridmora); the sample crosswords are taken from it.
set -uo pipefail

. "$(dirname "$0")/common.sh"

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
absent "$work/out.krw"
run 2 --fill "$samples/Сетка.krw"
said "gridmora --fill"
run 2 --fill "$samples/Сетка.krw" "$work/out.krw" --time-limit soon
said "gridmora --fill"

[ "$fail" = 0 ] && echo "OK: the command-line fill writes, refuses and reports as it should"
exit "$fail"
