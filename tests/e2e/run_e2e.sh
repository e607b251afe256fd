#!/usr/bin/env bash
# End-to-end test: the real program under Xvfb with a private D-Bus session and the
# accessibility bus, driven by name through the accessibility tree (drive_quillmark.py), as
# an assistive tool or a user with a keyboard drives it.
#   run_e2e.sh PROGRAM [MODE...]
# MODE is "names" (controls found by name and pressed through the tree), "keys" (only the
# keyboard), "open" (pictures on the command line, then a second start handing over one
# more), "recovery" (a session restored after the program was killed), "resize" (the
# window resized with xdotool, the main screen laid out anew) or "scan" (SANE's test scanner
# chosen on the camera settings page, its feeder scanned into the strip); all run by default,
# each with a fresh program, home and pictures folder.
# Exit 77 (skipped) when a tool it needs is missing. On a failure the folder with the
# program's home, its output and a screenshot of the device is kept and named.
set -euo pipefail
program="$(realpath "$1")"
shift
modes="${*:-names keys open recovery resize scan}"
here="$(cd "$(dirname "$0")" && pwd)"

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher dbus-send qpdf pdftoppm xdotool; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is missing (scripts/install-deps.sh)"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "e2e: python3-pyatspi is missing"; exit 77; }

work="$(mktemp -d)"
keep=0
xvfb_pid=""
stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true  # its lock and socket are gone before the next one
        xvfb_pid=""
    fi
}
cleanup() {
    stop_xvfb
    if [ "$keep" = 0 ]; then rm -rf "$work"; else echo "e2e: kept $work"; fi
}
trap cleanup EXIT

# Generous bounds: on a loaded machine a step only takes longer.
wait_seconds=60

# The X screen is the device screen, so the pointer is over the program's window: keys reach
# it, and the keyboard-only flow gives it the focus there (no window manager runs to do it).
# Xvfb names its display once it listens; the program starts only after a client has really
# connected and made a round trip, and a server that cannot be reached is replaced.
start_xvfb() {
    rm -f "$work/display"
    exec 3> "$work/display"
    Xvfb -displayfd 3 -screen 0 480x640x24 -nolisten tcp >> "$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    local deadline=$((SECONDS + wait_seconds))
    until [ "$(wc -l < "$work/display")" -ge 1 ]; do  # the number and its newline
        kill -0 "$xvfb_pid" 2>/dev/null || { echo "e2e: Xvfb ended"; return 1; }
        [ "$SECONDS" -lt "$deadline" ] || { echo "e2e: Xvfb named no display"; return 1; }
        sleep 0.05  # poll interval while waiting for the state above
    done
    export DISPLAY=":$(head -n1 "$work/display")"
    /usr/bin/python3 "$here/x_display.py" --wait "$wait_seconds" ||
        { echo "e2e: no client could connect to $DISPLAY"; return 1; }
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "e2e: Xvfb ended"; return 1; }
}
started=0
for attempt in 1 2 3; do
    if start_xvfb; then
        started=1
        break
    fi
    stop_xvfb
done
[ "$started" = 1 ] || { echo "e2e: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }

export QUILLMARK_CAMERA='videotestsrc pattern=ball'
# SANE sees only its test backend (two scanners, each with a flatbed and a feeder of ten
# sheets), never the machine's scanners or the network.
mkdir -p "$work/sane" && echo test >"$work/sane/dll.conf"
printf 'number_of_devices 2\ntest-picture "Color pattern"\n' >"$work/sane/test.conf"
export SANE_CONFIG_DIR="$work/sane"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
export E2E_WORK="$work"
export E2E_PROGRAM="$program"
export E2E_MODES="$modes"
export E2E_WAIT_SECONDS="$wait_seconds"
unset WAYLAND_DISPLAY

status=0
dbus-run-session -- bash "$here/session.sh" || status=$?
if [ "$status" -ne 0 ]; then
    keep=1
    echo "e2e: failed ($status)"
fi
exit "$status"
