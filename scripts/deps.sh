#!/usr/bin/env bash
# Installs the Debian 12 packages Gridmora needs to build, run and test, when any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev googletest fonts-dejavu-core)
# The tests also open an exported page in a headless browser and read exported PDFs back with poppler.
[ "${1:-}" = "--test" ] && packages+=(chromium poppler-utils)
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
