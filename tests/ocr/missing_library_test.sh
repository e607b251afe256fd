#!/usr/bin/env bash
# Text recognition's library is opened when a page is first recognised, not at start-up:
# the program does not link it, a run that recognises nothing does not open it, and a
# machine without it still gets its PDF, without a text layer, with the reason in the log.
#   missing_library_test.sh QUILLMARK
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUILLMARK_HOME="$work/home"
mkdir -p "$QUILLMARK_HOME"
cd "$work"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

dynamic=$(readelf -d "$bin") || fail "readelf cannot read $bin"
grep NEEDED <<<"$dynamic" | grep -q libtesseract && fail "the program links libtesseract"
LD_DEBUG=files "$bin" --version >/dev/null 2>ld.txt
grep -q 'libtesseract' ld.txt && fail "--version opens libtesseract"

# A 3 x 2 picture as a 24-bit BMP (rows bottom-up, padded to 4 bytes).
printf 'BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00' >a.bmp
printf '\x28\x00\x00\x00\x03\x00\x00\x00\x02\x00\x00\x00\x01\x00\x18\x00' >>a.bmp
printf '\x00\x00\x00\x00\x10\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00' >>a.bmp
printf '\x00\x00\x00\x00\x00\x00\x00\x00' >>a.bmp
printf '\x00\x00\xff\x00\xff\x00\xff\x00\x00\x00\x00\x00' >>a.bmp
printf '\xff\xff\xff\x00\x00\x00\x80\x80\x80\x00\x00\x00' >>a.bmp

export QM_TESSERACT_LIBRARY=libtesseract-missing.so.5
"$bin" --log pdf -o ocr.pdf --ocr eng a.bmp >out.txt 2>err.txt
status=$?
[[ $status -eq 1 ]] || fail "--ocr without the library is status $status, not 1: $(cat err.txt)"
grep -q 'text recognition is not installed (libtesseract-missing.so.5: cannot open.*); the pages get no text layer' err.txt ||
    fail "no message that the library is missing: $(cat err.txt)"
grep -q 'install libtesseract5' err.txt || fail "no package named: $(cat err.txt)"
grep -q 'tesseract-ocr-eng' err.txt && fail "language data offered without the library: $(cat err.txt)"
grep -q 'a.bmp: no text layer: text recognition is not installed' err.txt ||
    fail "the page without text is not named with the reason: $(cat err.txt)"
grep -q "language's data" err.txt && fail "the page note blames the language data: $(cat err.txt)"
grep -q '^Wrote ocr.pdf: 1 page' out.txt || fail "summary: $(cat out.txt)"
head -c 5 ocr.pdf | grep -q '%PDF-' || fail "ocr.pdf not written"
log=$(find "$QUILLMARK_HOME" -name Quillmark.log -print -quit)
grep -q 'text recognition is unavailable: libtesseract-missing.so.5: cannot open' "${log:-/dev/null}" ||
    fail "the log lacks the reason: $(cat "${log:-/dev/null}")"
"$bin" pdf --help | tr '\n' ' ' | grep -q -- '--ocr: text recognition is not installed' ||
    fail "pdf --help does not say the library is missing"

[[ $failures -eq 0 ]] && echo "all missing-library checks passed"
exit $((failures > 0))
