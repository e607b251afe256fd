#!/usr/bin/env bash
# Runs every benchmark executable of a benchmark build.
set -euo pipefail
build="$1"
shopt -s nullglob
found=0
for b in "$build"/bin/bench_*; do
  found=1
  echo "== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true
done
if [[ $found -eq 0 ]]; then
  echo "no benchmarks built yet"
fi
