#!/bin/sh
# A short fuzz run: TARGET SEEDS WORK SECONDS. New inputs and any crash go to
# WORK, which is emptied first. A minute per input leaves room for a loaded
# machine under the sanitizers.
set -e
rm -rf "$3"
mkdir -p "$3/new" "$3/found"
exec "$1" -max_total_time="$4" -timeout=60 -print_final_stats=1 \
  -artifact_prefix="$3/found/" "$3/new" "$2"
