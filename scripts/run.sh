#!/usr/bin/env bash
# Starts the freshly built program. Extra arguments go to the program.
# Without a display the program cannot open its window: it then runs the headless screenshot
# tour instead and says where the pictures are.
set -euo pipefail
build="$1"; shift
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    case " $* " in
        *" --screenshots "*|*" --help "*|*" --version "*) ;;
        *)
            shots="$build/screenshots"
            echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)."
            echo "Running the screens headless instead: one picture per screen goes to $shots"
            "$build/bin/quillmark" "$@" --screenshots "$shots"
            echo "Pictures of the screens are in $(cd "$shots" && pwd)"
            exit 0
            ;;
    esac
fi
exec "$build/bin/quillmark" "$@"
