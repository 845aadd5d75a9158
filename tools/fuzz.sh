#!/usr/bin/env bash
# Runs every fuzz target for SECONDS_PER_TARGET (default 60), PL_FUZZ_JOBS at
# a time (default 1), and prints the executions, crashes, hangs and leaks.
# Corpora grown here and every input that failed stay outside the tree, in
# PL_FUZZ_OUT (default ~/.cache/pitchledger-fuzz); the seeds in fuzz/corpus
# are only read. Exit 1 when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET=${1:-60}
JOBS=${PL_FUZZ_JOBS:-1}
BUILD=${PL_FUZZ_BUILD:-build-fuzz}
OUT=${PL_FUZZ_OUT:-${XDG_CACHE_HOME:-$HOME/.cache}/pitchledger-fuzz}

CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DPL_FUZZ=ON -DPL_WERROR=ON -DPL_BUILD_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j"${JOBS_BUILD:-2}" --target fuzz_all >/dev/null

# A seed folder whose target this tree does not build (yet) is skipped.
targets=()
for dir in fuzz/corpus/*/; do
  name=$(basename "$dir")
  if [ -x "$BUILD/bin/fuzz_$name" ]; then targets+=("$name"); fi
done

run_one() {
  local name=$1
  mkdir -p "$OUT/corpus/$name" "$OUT/found/$name" "$OUT/logs"
  # Crashes, hangs and leaks are written to found/ and end that target's run.
  # A minute per input: a full re-evaluation walk takes seconds under the
  # sanitizers on a busy machine, and is no hang.
  "$BUILD/bin/fuzz_$name" -max_total_time="$SECONDS_PER_TARGET" -timeout=60 \
    -print_final_stats=1 -artifact_prefix="$OUT/found/$name/" \
    "$OUT/corpus/$name" "fuzz/corpus/$name" >"$OUT/logs/$name.log" 2>&1 || true
}

mkdir -p "$OUT"
touch "$OUT/started"
running=0
for name in "${targets[@]}"; do
  run_one "$name" &
  running=$((running + 1))
  if [ "$running" -ge "$JOBS" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

count() { find "$OUT/found" -type f -name "$1-*" -newer "$OUT/started" 2>/dev/null | wc -l; }
total=0
printf '%-18s %12s %8s\n' target executions exec/s
for name in "${targets[@]}"; do
  log="$OUT/logs/$name.log"
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  # A run that stopped at a finding may print no final figures: its last status line.
  [ -n "$execs" ] || execs=$(sed -n 's/^#\([0-9][0-9]*\).*/\1/p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  printf '%-18s %12s %8s\n' "$name" "${execs:-?}" "${rate:-?}"
  total=$((total + ${execs:-0}))
done
crashes=$(count crash)
hangs=$(count timeout)
leaks=$(count leak)
ooms=$(count oom)
echo "total executions: $total"
echo "crashes: $crashes  hangs: $hangs  leaks: $leaks  out of memory: $ooms"
echo "inputs that failed: $OUT/found/<target>/ (logs in $OUT/logs)"
[ $((crashes + hangs + leaks + ooms)) -eq 0 ]
