#!/usr/bin/env bash
# EncodeArr against coreutils "base64 -w 76" on the same 20 MB, in one run.
#   bench/transfer/bench-base64.sh [BUILD_DIR]     (default: build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build}"
cmake --build "$build" --target bench_transfer >/dev/null
json="$(mktemp)"
trap 'rm -f "$json"' EXIT
"$build/bench/bench_transfer" --benchmark_filter='BM_EncodeArr|BM_CoreutilsBase64|BM_BuildUploadRequest' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$json" --benchmark_out_format=json
python3 - "$json" <<'PY'
import json, sys
runs = {b["run_name"]: b["real_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("aggregate_name") == "median"}
ours, theirs = runs["BM_EncodeArr/20/real_time"], runs["BM_CoreutilsBase64/20/real_time"]
print(f"EncodeArr 20 MB: {ours:.1f} ms; base64 -w 76: {theirs:.1f} ms; "
      f"base64 time / EncodeArr time = {theirs / ours:.2f}")
print(f"Upload request for 36 MB: {runs['BM_BuildUploadRequest/36/real_time']:.1f} ms")
PY
