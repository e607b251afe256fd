#!/usr/bin/env bash
# Runs clang-tidy-14 with the checked-in .clang-tidy over every source of the project in a build
# folder's compile database, several files at a time; exit status 1 on any finding.
#   scripts/tidy.sh [BUILD_DIR [JOBS [FILES]]]
# FILES, a regular expression on paths from the tree's top (say 'text/.*|ui/device/Screen\.cpp'),
# checks only the sources it matches in whole; without it, every source.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
jobs=${2:-$(nproc)}
only=${3:-.*}
for tool in run-clang-tidy-14 clang-tidy-14; do
  if ! command -v "$tool" >/dev/null; then
    echo "tidy.sh: $tool is missing; install the Debian package clang-tidy-14" \
      "(scripts/install-deps.sh --tidy does)" >&2
    exit 2
  fi
done
if [[ ! -f "$build/compile_commands.json" ]]; then
  echo "tidy.sh: $build/compile_commands.json is missing; configure the build first" >&2
  exit 2
fi
# Our sources only: the skin picture tables the build generates are data, not code to review.
# Headers are checked where our sources include them (never the system's).
skip="build"
if [[ "$build" == "$root"/* ]]; then
  skip="build|${build#"$root"/}/"
fi
files="^$root/(?!$skip)(?=(?:$only)\$)[^/]+/.*\\.cpp\$"
start=$(date +%s)
status=0
run-clang-tidy-14 -quiet -p "$build" -j "$jobs" -clang-tidy-binary "$(command -v clang-tidy-14)" \
  -header-filter="^$root/" "$files" || status=$?
echo "tidy.sh: $(($(date +%s) - start)) s"
exit $status
