#!/usr/bin/env bash
# Times the imaging component against libjpeg-turbo's djpeg and cjpeg on the
# same 24-megapixel camera-like JPEG (about 15 MB, made afresh in a temporary
# folder), side by side in one run, and measures the memory a held picture
# takes.
#   tools/bench-imaging.sh [BUILD_DIR] [REPETITIONS]    (defaults: build, 7)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
repetitions="${2:-7}"
command -v djpeg >/dev/null && command -v cjpeg >/dev/null ||
  { echo "djpeg and cjpeg are needed (apt-get install libjpeg-turbo-progs)" >&2; exit 1; }
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target bench_pictures >/dev/null
bench="$build/bench/bench_pictures"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$bench" --make-photo "$work"
echo "photo: $(stat -c %s "$work/photo.jpg") bytes of JPEG, 6000x4000"
"$bench" --hold-memory "$work/photo.jpg"
"$bench" --hold-memory "$work/photo.jpg" picturefile

STOUPE_BENCH_PHOTO_DIR="$work" "$bench" --benchmark_repetitions="$repetitions" \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  | tee "$work/results.txt"
awk '/_median/ { split($1, n, "/"); t[n[1]] = $2 }
  END {
    printf "decode: imaging component %.0f ms, djpeg %.0f ms, ratio %.2f\n",
      t["BM_Decode_ImagingComponent"], t["BM_Decode_djpeg"],
      t["BM_Decode_ImagingComponent"] / t["BM_Decode_djpeg"]
    printf "encode: imaging component %.0f ms, cjpeg %.0f ms, ratio %.2f\n",
      t["BM_Encode_ImagingComponent"], t["BM_Encode_cjpeg"],
      t["BM_Encode_ImagingComponent"] / t["BM_Encode_cjpeg"]
  }' "$work/results.txt"
