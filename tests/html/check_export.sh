#!/usr/bin/env bash
# Opens an exported crossword page in headless Chromium and checks that both pictures load and that the
# clue and answer lists are on the page.
#
#   tests/html/check_export.sh UI_TESTS [--no-install] [--screenshot FILE]
#
# UI_TESTS is the window-test program of a build (build/tests/ui_tests); its sample export test writes the
# page and its two pictures into a fresh folder. Chromium (the Debian package "chromium") is installed with
# apt-get when it is missing, unless --no-install is given: then the check is skipped (exit code 77).
set -euo pipefail

ui_tests=${1:?usage: check_export.sh UI_TESTS [--no-install] [--screenshot FILE]}
shift
install=1
shot=""
while [ $# -gt 0 ]; do
    case "$1" in
    --no-install) install=0 ;;
    --screenshot) shot=${2:?--screenshot needs a file}; shift ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
    shift
done

browser=$(command -v chromium || true)
if [ -z "$browser" ]; then
    if [ "$install" = 0 ]; then
        echo "chromium is not installed: check skipped"
        exit 77
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y --no-install-recommends chromium || { apt-get update && apt-get install -y --no-install-recommends chromium; }
    browser=$(command -v chromium)
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/out" "$work/profile"

# The page, made by the program itself: a small crossword exported through the real window.
GRIDMORA_EXPORT_DIR="$work/out" QT_QPA_PLATFORM=offscreen "$ui_tests" \
    --gtest_filter='ExportTest.SamplePageForTheBrowser' >"$work/export.log" 2>&1 ||
    { cat "$work/export.log"; echo "FAIL: the sample export did not run"; exit 1; }
page="$work/out/sample.htm"
[ -f "$page" ] || { echo "FAIL: no page was written"; exit 1; }

# A copy of the page with a check that runs once everything has loaded and writes its findings into the
# page, where --dump-dom shows them.
check='<script>window.addEventListener("load",function(){var r=[];var im=document.images;r.push("images="+im.length);for(var i=0;i<im.length;i++){r.push("img"+i+"="+im[i].naturalWidth+"x"+im[i].naturalHeight);}var p=document.createElement("pre");p.id="gm-check";p.textContent="GM"+"CHECK "+r.join(" ")+" GM"+"END";document.body.appendChild(p);});</script>'
sed "s|</body>|${check}</body>|" "$page" >"$work/out/check.htm"

run_browser() {
    timeout 60 "$browser" --headless --no-sandbox --disable-gpu --disable-background-networking \
        --disable-component-update --disable-sync --no-first-run --user-data-dir="$work/profile" \
        --virtual-time-budget=5000 "$@" 2>>"$work/browser.log"
}

run_browser --dump-dom "file://$work/out/check.htm" >"$work/dom.html" ||
    { cat "$work/browser.log"; echo "FAIL: chromium did not run"; exit 1; }

fail=0
result=$(grep -o 'GMCHECK.*GMEND' "$work/dom.html" || true)
echo "browser: ${result:-no result}"
[ -n "$result" ] || { echo "FAIL: the check script did not run"; fail=1; }
echo "$result" | grep -q 'images=2 ' || { echo "FAIL: the page should hold two pictures"; fail=1; }
for i in 0 1; do
    size=$(echo "$result" | grep -o "img$i=[0-9]*x[0-9]*" | cut -d= -f2)
    width=${size%x*}
    if [ -z "$width" ] || [ "$width" -le 0 ]; then
        echo "FAIL: picture $i did not load (${size:-missing})"
        fail=1
    fi
done
# The clue lists (both headings, a clue of each direction) and the answer lists, decoded from cp1251.
for text in 'По горизонтали:' 'По вертикали:' 'Домашний зверь' 'Заострённая палка' 'Ответы' '1. Кот' '2. Торт'; do
    grep -qF "$text" "$work/dom.html" || { echo "FAIL: the page lacks \"$text\""; fail=1; }
done
[ "$(grep -o 'По горизонтали:' "$work/dom.html" | wc -l)" -eq 2 ] ||
    { echo "FAIL: the across heading should head the clues and the answers"; fail=1; }

if [ -n "$shot" ]; then
    run_browser --window-size=700,900 --screenshot="$shot" "file://$page" >/dev/null ||
        { echo "FAIL: no screenshot"; fail=1; }
    [ -s "$shot" ] && echo "screenshot: $shot"
fi

[ "$fail" = 0 ] && echo "OK: both pictures load and the lists are on the page"
exit "$fail"
