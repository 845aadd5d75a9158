#!/usr/bin/env bash
# Builds and runs the whole test suite: a normal build, the same build under a
# comma-decimal locale, and a build with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS=${JOBS:-2}

cmake -S . -B build -DPL_WERROR=ON >/dev/null
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure -j"$JOBS"

echo "== again under LC_ALL=de_DE.UTF-8 =="
LC_ALL=de_DE.UTF-8 ctest --test-dir build --output-on-failure -j"$JOBS"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -DPL_WERROR=ON -DPL_SANITIZE=ON -DPL_BUILD_BENCH=OFF \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j"$JOBS"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$JOBS"
