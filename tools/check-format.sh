#!/usr/bin/env bash
# Fails when a C++ source of the project differs from .clang-format's style.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' | grep -v '^build')
((${#files[@]} == 0)) && exit 0
clang-format --dry-run --Werror "${files[@]}"
