#!/usr/bin/env bash
# Inside the private D-Bus session of run_e2e.sh: the accessibility bus, the program, and the
# driver that waits for states and presses keys.
set -euo pipefail
work="$E2E_WORK"

/usr/libexec/at-spi-bus-launcher --launch-immediately > "$work/at-spi.log" 2>&1 &
launcher=$!
has_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 1 200); do
    has_bus && break
    sleep 0.05  # poll interval while waiting for the state above
done
has_bus || { echo "e2e: the accessibility bus did not come up"; exit 1; }

"$E2E_PROGRAM" --screen 480x640 > "$work/program.log" 2>&1 &
app=$!

status=0
/usr/bin/python3 "$(dirname "$0")/drive_quillmark.py" --pid "$app" --shots "$work" || status=$?

# The driver ends the program through Exit; one that is still running has failed to.
if kill -0 "$app" 2>/dev/null; then
    kill "$app" 2>/dev/null || true
    [ "$status" -ne 0 ] || status=1
    echo "e2e: the program did not end"
else
    app_status=0
    wait "$app" || app_status=$?
    if [ "$app_status" -ne 0 ]; then
        echo "e2e: the program ended with $app_status"
        [ "$status" -ne 0 ] || status=1
    fi
fi
kill "$launcher" 2>/dev/null || true
exit "$status"
