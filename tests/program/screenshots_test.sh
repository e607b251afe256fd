#!/usr/bin/env bash
# quillmark --screenshots DIR at both screen classes: exit 0, one PNG per screen at the
# device size, settings saved and the registry flushed by the shut-down, and no control of any
# screen without a name for assistive tools.
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
# The camera settings page lists SANE's test scanners, never the machine's.
mkdir -p "$work/sane" && echo test >"$work/sane/dll.conf"
export SANE_CONFIG_DIR="$work/sane"

for size in 480x640 240x320; do
    export QUILLMARK_HOME="$work/home-$size"
    mkdir -p "$QUILLMARK_HOME"
    "$program" --screen "$size" --screenshots "$work/shots-$size" > "$work/out-$size.txt"
    # Exactly the pictures the tour says it wrote, and every area's stop among them.
    listed=$(sed -n 's/^Screenshots: //p' "$work/out-$size.txt" | tr -d ' ' | tr ',' '\n' | sort)
    written=$(cd "$work/shots-$size" && ls *.png | sort)
    [ "$listed" = "$written" ] || { echo "the tour wrote other pictures than it listed at $size"; exit 1; }
    for first in 01-splash 02-main 03-about 04-question-kind0 14-question-kind10 20- 30- 4 6 70- 80- 9; do
        ls "$work/shots-$size/$first"*.png >/dev/null 2>&1 || { echo "no screenshot $first* at $size"; exit 1; }
    done
    for png in "$work/shots-$size"/*.png; do
        dims=$(/usr/bin/python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$png")
        [ "$dims" = "$size" ] || { echo "$png is $dims, not $size"; exit 1; }
    done
    grep -q '"PageSize"=dword:' "$QUILLMARK_HOME/registry.reg" || { echo "settings were not saved"; exit 1; }
    grep -q 'Screenshots:' "$work/out-$size.txt"
    # Every control of every screen has a name for assistive tools.
    [ -f "$work/shots-$size/accessibility.txt" ] || { echo "no accessibility report at $size"; exit 1; }
    if [ -s "$work/shots-$size/accessibility.txt" ]; then
        echo "controls without a name at $size:"; cat "$work/shots-$size/accessibility.txt"; exit 1
    fi
done
# Translated, every text still fits where the English does: German at both sizes, French and
# Spanish at the small one, where room is tightest.
for run in de:480x640 de:240x320 fr:240x320 es:240x320; do
    language="${run%%:*}" size="${run#*:}"
    export QUILLMARK_HOME="$work/home-$language-$size"
    mkdir -p "$QUILLMARK_HOME"
    LANGUAGE="$language" "$program" --screen "$size" --screenshots "$work/shots-$language-$size" \
        > "$work/out-$language-$size.txt" || { echo "the tour failed in $language at $size:"; cat "$work/shots-$language-$size/text-fit.txt" "$work/shots-$language-$size/accessibility.txt" 2>/dev/null; exit 1; }
    [ -f "$work/shots-$language-$size/text-fit.txt" ] || { echo "no text-fit report in $language at $size"; exit 1; }
done
echo "screenshots ok"
