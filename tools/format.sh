#!/usr/bin/env bash
# Lays out every C++ source by .clang-format; --check only reports files that differ.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(-i)
if [ "${1:-}" = "--check" ]; then mode=(--dry-run --Werror); fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format "${mode[@]}"
else
  # A source tree without its history (an exported archive).
  find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format "${mode[@]}"
fi
