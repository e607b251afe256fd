#!/usr/bin/env bash
# Drives "quillmark pdf" as a person would: pictures in, a PDF out, the exit statuses, and an
# existing PDF left alone when nothing could be written.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUILLMARK_HOME="$work/home"
mkdir -p "$QUILLMARK_HOME"
cd "$work"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A 3 x 2 picture as a 24-bit BMP (rows bottom-up, padded to 4 bytes).
bmp() {
    printf 'BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00' >"$1"
    printf '\x28\x00\x00\x00\x03\x00\x00\x00\x02\x00\x00\x00\x01\x00\x18\x00' >>"$1"
    printf '\x00\x00\x00\x00\x10\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00' >>"$1"
    printf '\x00\x00\x00\x00\x00\x00\x00\x00' >>"$1"
    printf '\x00\x00\xff\x00\xff\x00\xff\x00\x00\x00\x00\x00' >>"$1"
    printf '\xff\xff\xff\x00\x00\x00\x80\x80\x80\x00\x00\x00' >>"$1"
}
bmp a.bmp
bmp b.bmp
echo "not a picture" >bad.bmp

"$bin" pdf -o out.pdf --page-size A5 a.bmp b.bmp >out.txt 2>err.txt
status=$?
[[ $status -eq 0 ]] || fail "two pictures -> status $status: $(cat err.txt)"
grep -q '^Wrote out.pdf: 2 pages, A5' out.txt || fail "summary: $(cat out.txt)"
head -c 8 out.pdf | grep -q '%PDF-1.3' || fail "out.pdf does not start with %PDF-1.3"
if command -v pdfinfo >/dev/null; then
    info=$(pdfinfo out.pdf 2>&1)
    grep -qE '^Pages: +2$' <<<"$info" || fail "pdfinfo pages: $info"
    grep -qE '^Page size: +420 x 595 pts \(A5\)' <<<"$info" || fail "pdfinfo size: $info"
fi

cp out.pdf before.pdf
"$bin" pdf -o out.pdf bad.bmp missing.bmp >/dev/null 2>err.txt
status=$?
[[ $status -eq 1 ]] || fail "unusable pictures -> status $status"
grep -q 'bad.bmp: skipped' err.txt || fail "bad.bmp not named: $(cat err.txt)"
grep -q 'missing.bmp: skipped: no such file' err.txt || fail "missing.bmp not named"
cmp -s out.pdf before.pdf || fail "out.pdf changed although nothing was written"

"$bin" pdf a.bmp >/dev/null 2>err.txt
[[ $? -eq 2 ]] || fail "missing -o is not status 2"
"$bin" pdf -o x.pdf --page-size B9 a.bmp >/dev/null 2>&1
[[ $? -eq 2 ]] || fail "unknown page size is not status 2"
ls ./*.part >/dev/null 2>&1 && fail "temporary files left behind"

[[ $failures -eq 0 ]] && echo "all pdf command checks passed"
exit $((failures > 0))
