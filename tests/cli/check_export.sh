#!/usr/bin/env bash
# The window-less export of the program: gridmora --export OUT FILE, run as a user runs it, without a
# display. Checks the files it writes, its messages on stderr and its exit codes.
#
#   tests/cli/check_export.sh PROGRAM_DIR
#
# PROGRAM_DIR is the program folder of a build (build/gridmora); the sample crosswords are taken from it.
set -uo pipefail

. "$(dirname "$0")/common.sh"

# A crossword file to ipuz and back gives the same bytes: with answers, in English, without answers.
for name in "Первый" "First" "Сетка"; do
    run 0 --export "$work/$name.ipuz" "$samples/$name.krw"
    silent
    run 0 --export "$work/$name.krw" "$work/$name.ipuz"
    silent
    cmp -s "$samples/$name.krw" "$work/$name.krw" || { echo "FAIL: $name.krw changed on its way through ipuz"; fail=1; }
done
grep -q '"kind":\["http://ipuz.org/crossword#1"\]' "$work/Первый.ipuz" || { echo "FAIL: no crossword kind"; fail=1; }
grep -q '"solution"' "$work/Первый.ipuz" || { echo "FAIL: no solution"; fail=1; }

# A protected crossword: no answers without its password; with it, the answers but not the password.
run 0 --export "$work/zoo.ipuz" "$samples/Зверинец.krw"
said "ответы в файл не записаны"
grep -q '"solution"' "$work/zoo.ipuz" && { echo "FAIL: a locked crossword gave away its solution"; fail=1; }
run 0 --export "$work/zoo-open.ipuz" "$samples/Зверинец.krw" --password кот
said "нет пароля"
grep -q '"solution"' "$work/zoo-open.ipuz" || { echo "FAIL: the password did not unlock the solution"; fail=1; }
run 1 --export "$work/zoo-wrong.ipuz" "$samples/Зверинец.krw" --password собака
said "Неверный пароль."
absent "$work/zoo-wrong.ipuz"
run 1 --export "$work/zoo.htm" "$samples/Зверинец.krw"
said "--password"
absent "$work/zoo.htm"
run 1 --export "$work/zoo.pdf" "$samples/Зверинец.krw" --answers
said "--password"
run 0 --export "$work/zoo.pdf" "$samples/Зверинец.krw"
silent
head -c 5 "$work/zoo.pdf" | grep -q '%PDF-' || { echo "FAIL: zoo.pdf is no PDF"; fail=1; }

# The HTML export: the page and its two pictures.
run 0 --export "$work/page.htm" "$samples/Зверинец.krw" --password кот
silent
exists "$work/page.htm"
exists "$work/page.bmp"
exists "$work/page (ответы).bmp"
grep -q "$(printf '\xc1\xe0\xe1\xf3\xe8\xed')" "$work/page.htm" || { echo "FAIL: the page lacks its answers"; fail=1; }

# PDF on Letter paper with the answers page, and from an ipuz file.
run 0 --export "$work/first.pdf" "$samples/First.krw" --answers --paper Letter
exists "$work/first.pdf"
grep -aEq 'MediaBox \[0 0 612(\.0+)? 792(\.0+)?\]' "$work/first.pdf" || { echo "FAIL: first.pdf is not on Letter paper"; fail=1; }
run 0 --export "$work/from-ipuz.pdf" "$work/Первый.ipuz" --answers
exists "$work/from-ipuz.pdf"

# What it refuses, with its reasons.
run 1 --export "$work/bare.htm" "$samples/Сетка.krw"
said "не содержит ответов"
run 1 --export "$work/out.txt" "$samples/Первый.krw"
said "такой формат не поддерживается"
absent "$work/out.txt"
run 1 --export "$work/x.pdf" "$work/missing.krw"
said "не найден"
printf '%*s' 3000 '' | tr ' ' '[' >"$work/deep.ipuz"
run 1 --export "$work/deep.krw" "$work/deep.ipuz"
said "не открыт: это не файл ipuz."
absent "$work/deep.krw"
printf '{"kind":["http://ipuz.org/crossword#1"],"dimensions":{"width":3,"height":3},"puzzle":[[1,0,3],[0,"#",0],[2,0,0]]}' >"$work/numbers.ipuz"
run 1 --export "$work/numbers.krw" "$work/numbers.ipuz"
said "номера вопросов в нём расходятся"
mkdir -p "$work/readonly" && chmod 555 "$work/readonly"
if [ "$(id -u)" != 0 ]; then
    run 1 --export "$work/readonly/x.ipuz" "$samples/Первый.krw"
    said "недоступен для записи"
fi

# Arguments that make no export.
run 2 --export "$work/a.pdf"
said "gridmora --export"
run 2 --export "$work/a.pdf" "$samples/Первый.krw" --paper A5
said "gridmora --export"
run 2 --export "$work/a.pdf" "$samples/Первый.krw" "$samples/First.krw"

[ "$fail" = 0 ] && echo "OK: the command-line export writes, refuses and reports as it should"
exit "$fail"
