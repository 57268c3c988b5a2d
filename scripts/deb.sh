#!/usr/bin/env bash
# Builds the Debian package of Gridmora: a build with Debian's hardening flags in build-deb/,
# cpack -G DEB, and lintian (which must report no error). The package is left in build-deb/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --deb
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
# Build type None: the flags are exactly Debian's (-O2, hardening), as a Debian build would use them.
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=None
cmake --build build-deb -j2
rm -f build-deb/*.deb
tests/install/check_deb.sh build-deb build-deb
ls build-deb/*.deb
