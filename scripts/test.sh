#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test headless: once in a normal build and once
# with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRIDMORA_WERROR=ON
cmake --build build -j2
ctest --test-dir build -j2 --timeout 300 --output-on-failure

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGRIDMORA_SANITIZE=ON -DGRIDMORA_WERROR=ON
cmake --build build-asan -j2
ctest --test-dir build-asan -j2 --timeout 300 --output-on-failure
