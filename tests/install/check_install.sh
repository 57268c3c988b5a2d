#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks the installed program as a user gets it.
#   check_install.sh BUILD_DIR APP_ID run        the read-only installed program finds its data, opens the
#                                                files given on its command line and keeps its settings in
#                                                $HOME/.config/gridmora
#   check_install.sh BUILD_DIR APP_ID desktop    desktop-file-validate on the desktop entry, and the MIME
#                                                package read by update-mime-database
#   check_install.sh BUILD_DIR APP_ID appstream  appstreamcli validate on the metainfo
# Exit 77 (skipped) when the validator is not installed.
set -euo pipefail
build=$1 id=$2 what=$3

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
expect_line() { # FILE LINE: the file holds the line exactly
  grep -qxF -- "$2" "$1" || { cat "$1" >&2; fail "expected the line '$2'"; }
}

case $what in
run)
  for f in bin/gridmora bin/makewordlists share/gridmora/Language/Russian.txt share/gridmora/Language/English.txt \
    share/gridmora/Samples/First.krw share/gridmora/Data/2.dat share/gridmora/help-ru.html \
    share/gridmora/help-en.html share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/48x48/apps/$id.png share/man/man1/gridmora.1.gz; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
  done
  chmod -R a-w "$prefix"
  home=$work/home
  mkdir "$home"
  samples=$prefix/share/gridmora/Samples
  # As a test runs the program: off screen, in a home of its own, closing itself after the start.
  run() {
    (cd "$work" && env -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen GRIDMORA_CLOSE_AFTER_START=1 \
      "$prefix/bin/gridmora" "$@" >"$work/out" 2>"$work/err") || { cat "$work/err" >&2; fail "exit status $?"; }
  }

  run "$samples/First.krw"
  expect_line "$work/out" "AppMode 5"
  expect_line "$work/out" "KrossFile $samples/First.krw"
  expect_line "$work/out" "AppDir $prefix/share/gridmora/"
  expect_line "$work/out" "SettingsDir $home/.config/gridmora/"
  if grep -q '^message: ' "$work/err"; then cat "$work/err" >&2; fail "a message was shown"; fi
  ini="$home/.config/gridmora/Gridmora Int.ini"
  [ -f "$ini" ] || fail "no settings in $home/.config/gridmora"
  [ "$(head -n 2 "$ini" | tr -d '\r')" = "$(printf '6.5\nRussian.txt')" ] || fail "settings file: $(cat "$ini")"
  if find "$prefix" -name 'Gridmora Int.ini' | grep -q .; then fail "settings written into the prefix"; fi

  # Answers given on the command line, kept beside their crossword: opened as Ctrl+O opens them.
  mkdir "$work/mine"
  cp "$samples/First.krw" "$work/mine/"
  name=$(sed -n 2p "$samples/First.krw" | tr -d '\r')
  numbers=$(sed -n 7p "$samples/First.krw" | tr -d '\r')
  printf 'First.krw\r\n%s\r\n 0 \r\n%s\r\n 0 \r\n' "$name" "$numbers" >"$work/mine/progress.otv"
  run mine/progress.otv
  expect_line "$work/out" "AppMode 5"
  expect_line "$work/out" "KrossFile $work/mine/First.krw"

  # A file that cannot be read: the program's own read message, and the window stays usable.
  run "$work/missing.krw"
  expect_line "$work/out" "AppMode 7"
  grep -q '^message: ' "$work/err" || fail "no read message for a missing file"

  # --help and --version print and exit, without a display.
  (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" \
    "$prefix/bin/gridmora" --version >"$work/out")
  expect_line "$work/out" "Gridmora $(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$prefix/share/metainfo/$id.metainfo.xml")"
  (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" \
    "$prefix/bin/gridmora" --help >"$work/out")
  grep -q -- '--version' "$work/out" || fail "--help does not list --version"
  grep -q 'FILE' "$work/out" || fail "--help does not name FILE"
  ;;
desktop)
  command -v desktop-file-validate >/dev/null || exit 77
  desktop-file-validate "$prefix/share/applications/$id.desktop"
  grep -qx 'Exec=gridmora %f' "$prefix/share/applications/$id.desktop" || fail "Exec does not pass %f"
  if command -v update-mime-database >/dev/null; then
    cp -r "$prefix/share/mime" "$work/mime"
    chmod -R u+w "$work/mime"
    update-mime-database "$work/mime"
    grep -q ':application/x-gridmora-crossword:\*\.krw' "$work/mime/globs2" || fail "*.krw is not a crossword"
    grep -q ':application/x-gridmora-answers:\*\.otv' "$work/mime/globs2" || fail "*.otv is not answers"
    for type in $(sed -n 's/^MimeType=//p' "$prefix/share/applications/$id.desktop" | tr ';' ' '); do
      grep -q ":$type:" "$work/mime/globs2" || fail "the desktop entry's $type is not defined"
    done
  fi
  ;;
appstream)
  command -v appstreamcli >/dev/null || exit 77
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
  ;;
*)
  fail "unknown check $what"
  ;;
esac
echo "ok: $what"
