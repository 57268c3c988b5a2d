#!/usr/bin/env bash
# Installs the Debian 12 packages Gridmora needs to build and run, when any is missing; with --test also
# what the tests need, with --deb what building the Debian package needs.
set -euo pipefail
# qt6-translations-l10n: Qt's own texts (buttons, file and font dialogs) in the interface language.
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev googletest fonts-dejavu-core
  qt6-translations-l10n)
# The build makes the word lists of the word search from these dictionaries.
packages+=(hunspell-ru wamerican)
# The Debian package: its dependencies computed by dpkg-shlibdeps (which needs file), checked by lintian.
deb_packages=(dpkg-dev file lintian)
case "${1:-}" in
--test)
  # The tests also open an exported page in a headless browser, read exported PDFs back with poppler,
  # validate the installed desktop entry, MIME package and metainfo, and build the Debian package.
  packages+=(chromium poppler-utils desktop-file-utils shared-mime-info appstream "${deb_packages[@]}")
  ;;
--deb)
  packages+=("${deb_packages[@]}")
  ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
