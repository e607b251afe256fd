#!/usr/bin/env bash
# Formats every C++ source of the project with clang-format-14 (the Debian 12 package; another
# version formats some constructs differently) and the checked-in .clang-format, or with --check
# lists the files that differ from it and fails.
#   scripts/format.sh          format in place
#   scripts/format.sh --check  change nothing; exit status 1 when a file is not formatted
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
formatter=clang-format-14
if ! command -v "$formatter" >/dev/null; then
  echo "format.sh: $formatter is missing; install the Debian package clang-format-14" \
    "(scripts/install-deps.sh does)" >&2
  exit 2
fi
mapfile -d '' files < <(find . \( -path './build*' -o -path './.git' \) -prune -o \
  \( -name '*.cpp' -o -name '*.h' \) -type f -print0 | sort -z)
jobs=$(nproc)
if [[ "${1:-}" == "--check" ]]; then
  # A few processes over many files each, side by side: one process per file costs minutes on
  # a loaded machine. Every finding is "FILE:LINE:COL: error: ..."; list each file once.
  report=$(mktemp)
  trap 'rm -f "$report"' EXIT
  status=0
  printf '%s\0' "${files[@]}" |
    xargs -0 -n 64 -P "$jobs" "$formatter" --style=file --dry-run -Werror 2>"$report" ||
    status=$?
  bad=$(grep -o '^[^:]*\.\(cpp\|h\):[0-9]*:[0-9]*: error' "$report" | cut -d: -f1 | sort -u || true)
  if [[ -n "$bad" ]]; then
    sed 's|^\./||; s|$| is not formatted (run '"'"'make format'"'"')|' <<<"$bad"
    exit 1
  fi
  if ((status != 0)); then
    cat "$report" >&2
    echo "format.sh: $formatter failed" >&2
    exit 1
  fi
  echo "${#files[@]} files formatted"
  exit 0
fi
printf '%s\0' "${files[@]}" | xargs -0 -n 64 -P "$jobs" "$formatter" --style=file -i
