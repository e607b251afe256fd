#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for a bounded time; fails on the first finding.
#   scripts/run-fuzz.sh BUILD_DIR [SECONDS]
# Target qm_NAME_fuzz starts from tests/fuzz/NAME-seeds with tests/fuzz/NAME.dict. What it
# learns goes to BUILD_DIR/fuzz-corpus/NAME (kept between runs), a crashing input to
# BUILD_DIR/fuzz-findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$1"
seconds="${2:-60}"
findings="$build/fuzz-findings"
mkdir -p "$findings"
status=0
for seeds in tests/fuzz/*-seeds; do
  name=$(basename "$seeds" -seeds)
  target="$build/bin/qm_${name}_fuzz"
  corpus="$build/fuzz-corpus/$name"
  mkdir -p "$corpus"
  echo "fuzz: $name for ${seconds} s"
  # -timeout: one input may take at most 10 s; -rss_limit_mb: a memory blow-up is a finding.
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -dict="tests/fuzz/$name.dict" -artifact_prefix="$findings/$name-" \
      -print_final_stats=1 "$corpus" "$seeds" 2>"$build/fuzz-$name.log"; then
    tail -n 60 "$build/fuzz-$name.log"
    echo "fuzz: $name found a fault; the input is in $findings"
    status=1
  else
    grep -E '^stat::(number_of_executed_units|new_units_added)' "$build/fuzz-$name.log" || true
  fi
done
exit $status
