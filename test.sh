#!/usr/bin/env bash
# Installs what is missing, builds everything, runs every test; builds the
# browser version and runs its tests (node and headless Chromium, against the
# native build); then builds the engine a second time with AddressSanitizer
# and UndefinedBehaviorSanitizer and runs its tests again.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

JOBS="$jobs" scripts/build-web.sh
(cd web && HYDRIM_BUILD="$PWD/../build" node --test tests/*.test.mjs)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHYDRIM_SANITIZE=ON \
      -DHYDRIM_BUILD_GUI=OFF -DHYDRIM_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -x scripts/fuzz-smoke.sh ]; then
    scripts/fuzz-smoke.sh
fi
