#!/usr/bin/env bash
# Formats every C++ source of the project with the checked-in .clang-format, or with --check
# lists the files that differ from it and fails.
#   scripts/format.sh          format in place
#   scripts/format.sh --check  change nothing; exit status 1 when a file is not formatted
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -d '' files < <(find . \( -path './build*' -o -path './.git' \) -prune -o \
  \( -name '*.cpp' -o -name '*.h' \) -type f -print0 | sort -z)
if [[ "${1:-}" == "--check" ]]; then
  bad=0
  for f in "${files[@]}"; do
    if ! clang-format --style=file "$f" | cmp -s - "$f"; then
      echo "not formatted: ${f#./} (run 'make format')"
      bad=1
    fi
  done
  ((bad == 0)) && echo "${#files[@]} files formatted"
  exit $bad
fi
clang-format --style=file -i "${files[@]}"
