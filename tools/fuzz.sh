#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan + libFuzzer) in build-fuzz/
# and runs one of them for a number of seconds.
#   tools/fuzz.sh                 lists the targets
#   tools/fuzz.sh NAME SECONDS    runs NAME; its corpus is kept in build-fuzz/corpus/NAME
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DSTOUPE_FUZZ=ON -DSTOUPE_TESTS=OFF >/dev/null
if (($# < 2)); then
  cmake --build build-fuzz --target help | sed -n 's/^\(fuzz_[a-z0-9_]*\):.*/\1/p'
  exit 0
fi
name="$1" seconds="$2"
cmake --build build-fuzz --target "$name" -j "$(nproc)"
corpus="build-fuzz/corpus/$name"
mkdir -p "$corpus"
seeds=()
[[ -d "fuzz/seeds/$name" ]] && seeds=("fuzz/seeds/$name")
ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "build-fuzz/fuzz/$name" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=10 "$corpus" "${seeds[@]}"
