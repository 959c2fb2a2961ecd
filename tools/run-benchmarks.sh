#!/usr/bin/env bash
# Runs every benchmark built into build/bench/ (cmake --build build --target benchmarks).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
for b in "$root"/build/bench/*; do
  [[ -x "$b" && -f "$b" ]] || continue
  echo "== $(basename "$b")"
  "$b" "$@"
done
