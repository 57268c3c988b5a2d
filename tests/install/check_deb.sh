#!/usr/bin/env bash
# Packs a build as a Debian package (cpack -G DEB) in a temporary folder and checks it with lintian: no
# error, computed dependencies, and the files where a Debian system expects them.
#   check_deb.sh BUILD_DIR [OUT_DIR]   the package is left in OUT_DIR when given
# Exit 77 (skipped) when dpkg-shlibdeps, file or lintian is not installed.
set -euo pipefail
build=$(cd "$1" && pwd)
out=${2:-}
for tool in dpkg-shlibdeps dpkg-deb file lintian cpack; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/*.deb)
echo "package: $(basename "$deb")"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case $depends in *libqt6widgets6*) ;; *) fail "the dependencies were not computed" ;; esac
dpkg-deb -c "$deb" >"$work/contents"
grep -q ' ./usr/bin/gridmora$' "$work/contents" || fail "no /usr/bin/gridmora"
grep -q ' ./usr/share/gridmora/Language/Russian.txt$' "$work/contents" || fail "no language files"

# lintian exits non-zero on an error; warnings are shown but pass.
lintian --fail-on error --tag-display-limit 0 "$deb"
[ -n "$out" ] && cp "$deb" "$out/"
echo "ok: lintian reports no error"
