#!/usr/bin/env bash
# Starts the freshly built program. Extra arguments go to the program.
set -euo pipefail
build="$1"; shift
exec "$build/bin/quillmark" "$@"
