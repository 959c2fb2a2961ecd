#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything and runs
# every test; then builds the non-widget code again with AddressSanitizer and
# UBSan and runs its tests once more.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

tools/install-deps.sh
tools/check-format.sh

jobs="$(nproc)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600

if [[ "${STOUPE_SKIP_SANITIZERS:-0}" != 1 ]]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DSTOUPE_SANITIZE=ON -DSTOUPE_WIDGETS=OFF -DSTOUPE_BENCH=OFF >/dev/null
  cmake --build build-asan -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 600 -L core
fi
