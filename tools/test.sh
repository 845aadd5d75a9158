#!/usr/bin/env bash
# Builds and runs the whole test suite: a normal build, the same build under a
# comma-decimal locale, and a clang build with AddressSanitizer and UBSan that
# also runs every fuzz target for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS=${JOBS:-2}

echo "== layout of the sources (.clang-format) =="
# Whitespace and include order only; fix with: tools/format.sh
tools/format.sh --check

cmake -S . -B build -DPL_WERROR=ON >/dev/null
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure -j"$JOBS"

echo "== again under LC_ALL=de_DE.UTF-8 =="
# The install test has no locale-dependent output and runs once.
LC_ALL=de_DE.UTF-8 ctest --test-dir build --output-on-failure -j"$JOBS" -LE install

echo "== AddressSanitizer and UndefinedBehaviorSanitizer (clang), with a short run of each fuzz target =="
CC=clang CXX=clang++ cmake -S . -B build-clang-asan -DPL_WERROR=ON -DPL_FUZZ=ON -DPL_BUILD_BENCH=OFF \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-clang-asan -j"$JOBS"
# LeakSanitizer's tracer dies at exit ("Tracer caught signal 11") when it
# follows the thread-local blocks of libraries loaded at run time (Qt's
# plugins, the p11-kit modules GnuTLS opens for libpq): clang 14's runtime takes
# such a block for an old glibc's when its address happens to fall on a certain
# offset, and reads a range from before it that is no range at all. The blocks
# are not followed through __tls_get_addr: glibc keeps them on its heap, where
# the leak check finds them anyway.
ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-clang-asan --output-on-failure -j"$JOBS"
