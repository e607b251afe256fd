#!/usr/bin/env bash
# Inside the private D-Bus session of run_e2e.sh: the accessibility bus, then for each mode a
# fresh program with its own home and pictures folder, and the driver that waits for states,
# presses keys and checks what the program left behind.
set -euo pipefail
work="$E2E_WORK"

/usr/libexec/at-spi-bus-launcher --launch-immediately > "$work/at-spi.log" 2>&1 &
launcher=$!
has_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
deadline=$((SECONDS + ${E2E_WAIT_SECONDS:-60}))
until has_bus; do
    kill -0 "$launcher" 2>/dev/null || { echo "e2e: the accessibility bus launcher ended"; exit 1; }
    [ "$SECONDS" -lt "$deadline" ] || { echo "e2e: the accessibility bus did not come up"; exit 1; }
    sleep 0.05  # poll interval while waiting for the state above
done

# One flow: the program in a home of its own, driven, ended, and its output checked.
run_mode() {
    local mode="$1" dir="$work/$1"
    mkdir -p "$dir/home" "$dir/user"
    # The setup screen's default folder is HOME and the camera writes to its Pictures/Camera.
    local user="$dir/user"
    # A desktop without a PDF viewer: the opener ends as xdg-open does then (status 3), after
    # noting what it was asked to open.
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\nexit 3\n' "$dir/opened.txt" > "$dir/opener.sh"
    chmod +x "$dir/opener.sh"
    if [ "$mode" = recovery ]; then
        # This flow starts, kills and starts the program again itself.
        local status=0
        /usr/bin/python3 "$(dirname "$0")/drive_quillmark.py" --program "$E2E_PROGRAM" \
            --shots "$dir" --mode recovery --home "$dir/home" --user-home "$user" || status=$?
        if [ "$status" -ne 0 ]; then
            echo "e2e: recovery: program output:"
            cat "$dir"/program-*.log || true
        fi
        return "$status"
    fi
    # "open": the program starts with two pictures; a second start hands it a third.
    local pictures=()
    if [ "$mode" = open ]; then
        /usr/bin/python3 "$(dirname "$0")/check_output.py" --write-pictures "$dir/pics" a b c
        pictures=("$dir/pics/a.png" "$dir/pics/b.png")
    fi
    local program_env=(HOME="$user" XDG_CONFIG_HOME="$user/.config" XDG_DATA_HOME="$user/.local/share"
        XDG_CACHE_HOME="$user/.cache" QUILLMARK_HOME="$dir/home" QUILLMARK_OPENER="$dir/opener.sh")
    # "resize": no fixed size, so the window follows what it is given.
    local size=(--screen 480x640)
    [ "$mode" != resize ] || size=()
    env "${program_env[@]}" "$E2E_PROGRAM" "${size[@]}" "${pictures[@]}" > "$dir/program.log" 2>&1 &
    local app=$!

    # The "open" flow starts the program a second time, in the same environment.
    local driver_env=()
    [ "$mode" != open ] || driver_env=("${program_env[@]}")
    local status=0
    env "${driver_env[@]}" /usr/bin/python3 "$(dirname "$0")/drive_quillmark.py" --pid "$app" \
        --shots "$dir" --mode "$mode" --home "$dir/home" --user-home "$user" || status=$?

    # The driver ends the program through Exit; one that is still running has failed to.
    if kill -0 "$app" 2>/dev/null; then
        kill "$app" 2>/dev/null || true
        wait "$app" 2>/dev/null || true
        [ "$status" -ne 0 ] || status=1
        echo "e2e: $mode: the program did not end"
    else
        local app_status=0
        wait "$app" || app_status=$?
        if [ "$app_status" -ne 0 ]; then
            echo "e2e: $mode: the program ended with $app_status"
            [ "$status" -ne 0 ] || status=1
        fi
    fi
    if [ "$status" -ne 0 ]; then
        echo "e2e: $mode: program output:"
        cat "$dir/program.log" || true
    fi
    return "$status"
}

status=0
for mode in $E2E_MODES; do
    run_mode "$mode" || status=1
done
kill "$launcher" 2>/dev/null || true
exit "$status"
