#!/usr/bin/env bash
# The layer check fails on what it must refuse: an upward include, an include of a library
# that is not linked, a cycle of declared links, Qt Widgets in a headless library, and a folder
# that is not wholly of its kind (widgets under ui/, in screens/ and program/, headless elsewhere).
# Each case runs the real check on a copy of the tree with one fault put in.
set -euo pipefail
root=$1
manifest=$2
check=$root/cmake/check_layers.py
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fresh() {
  rm -rf "$tmp/tree"
  mkdir -p "$tmp/tree"
  (cd "$root" && find . -path './build*' -prune -o \( -name '*.h' -o -name '*.cpp' \) -print0 |
     xargs -0 cp --parents -t "$tmp/tree")
  cp "$manifest" "$tmp/manifest"
}

expect_failure() {
  local what=$1 pattern=$2
  if /usr/bin/python3 "$check" --root "$tmp/tree" --manifest "$tmp/manifest" 2>"$tmp/err"; then
    echo "FAIL: $what passed the check"
    exit 1
  fi
  if ! grep -q -- "$pattern" "$tmp/err"; then
    echo "FAIL: $what: the check did not say '$pattern':"
    cat "$tmp/err"
    exit 1
  fi
  echo "ok: $what"
}

fresh
/usr/bin/python3 "$check" --root "$tmp/tree" --manifest "$tmp/manifest" >/dev/null

fresh
echo '#include "screens/MainDlg.h"' >>"$tmp/tree/imaging/PixelOps.cpp"
expect_failure "imaging includes a screen" "qm_imaging includes screens/MainDlg.h of qm_screens"

fresh
echo '#include "pdf/PdfBuilder.h"' >>"$tmp/tree/session/Page.h"
expect_failure "session includes the PDF builder" "qm_session includes pdf/PdfBuilder.h of qm_pdf"

fresh
sed -i 's/^\(qm_session .*\)$/\1,qm_pdf/' "$tmp/manifest"
expect_failure "session and pdf link each other" "qm_session (session) links qm_pdf, which is not below it"

fresh
echo '#include <QWidget>' >>"$tmp/tree/imaging/Bitmap.h"
expect_failure "a headless header uses Qt Widgets" "headless qm_imaging includes <QWidget>"

fresh
sed -i 's/^\(qm_pdf .*\)$/\1,Qt6::Widgets/' "$tmp/manifest"
expect_failure "a headless library links Qt Widgets" "qm_pdf is headless but links Qt6::Widgets"

fresh
sed -i 's/^qm_ui_toolkit ui\/toolkit 0 /qm_ui_toolkit ui\/toolkit 1 /' "$tmp/manifest"
expect_failure "a library under ui/ declared headless" \
  "qm_ui_toolkit (ui/toolkit) is in a widgets folder but declared headless"

fresh
sed -i 's/^\(qm_ui_device .*\),Qt6::Widgets\(.*\)$/\1\2/' "$tmp/manifest"
expect_failure "a library under ui/ without Qt Widgets" \
  "qm_ui_device (ui/device) is in a widgets folder but does not use Qt Widgets"

fresh
sed -i 's/^qm_browser browser 1 /qm_browser browser 0 /' "$tmp/manifest"
expect_failure "a subsystem's root that is not headless" \
  "qm_browser (browser) is not under ui/, screens/ or program/, so it must be declared headless"
