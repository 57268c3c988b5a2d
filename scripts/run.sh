#!/usr/bin/env bash
# Installs what is missing, builds Gridmora and starts it from its program folder build/gridmora.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
exec build/gridmora/gridmora "$@"
