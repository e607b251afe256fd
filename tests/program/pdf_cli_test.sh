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

# "-o -": the complete PDF on standard output and nothing else; messages on standard error.
"$bin" pdf -o - --page-size A5 a.bmp b.bmp >piped.pdf 2>err.txt
status=$?
[[ $status -eq 0 ]] || fail "-o - -> status $status: $(cat err.txt)"
[[ -e ./- ]] && fail "-o - wrote a file named -"
head -c 8 piped.pdf | grep -q '%PDF-1.3' || fail "standard output does not start with %PDF-1.3"
tail -c 7 piped.pdf | grep -q '%%EOF' || fail "standard output does not end with the PDF's %%EOF"
grep -q '^Wrote standard output: 2 pages, A5' err.txt || fail "-o - summary: $(cat err.txt)"
if command -v pdfinfo >/dev/null; then
    grep -qE '^Pages: +2$' <<<"$(pdfinfo piped.pdf 2>&1)" || fail "piped PDF: $(pdfinfo piped.pdf 2>&1)"
fi
# Piped into another program, and into one that stops reading early: a write error, and
# nothing left behind in the temporary folder.
mkdir -p tmp
"$bin" pdf -o - a.bmp 2>/dev/null | head -c 5 | grep -q '%PDF-' || fail "-o - into a pipe"
if command -v python3 >/dev/null; then
    TMPDIR="$work/tmp" python3 - "$bin" <<'PY' || fail "-o - into a closed pipe: $(cat err.txt)"
import os, subprocess, sys
reader, writer = os.pipe()
os.close(reader)  # the reader has gone before the first byte
with open("err.txt", "wb") as err:
    run = subprocess.run([sys.argv[1], "pdf", "-o", "-", "a.bmp"], stdout=writer, stderr=err,
                         timeout=120)
os.close(writer)
sys.exit(0 if run.returncode == 1 else 1)
PY
    grep -q 'could not write the PDF to standard output' err.txt || fail "closed pipe: $(cat err.txt)"
    [[ -z "$(ls -A tmp)" ]] || fail "-o - left files in the temporary folder: $(ls -A tmp)"
fi
# Nothing usable: nothing on standard output, status 1.
"$bin" pdf -o - bad.bmp >piped-bad.pdf 2>err.txt
[[ $? -eq 1 ]] || fail "-o - with no usable picture is not status 1"
[[ -s piped-bad.pdf ]] && fail "-o - wrote something although no picture could be used"
grep -q 'nothing was written to standard output' err.txt || fail "-o - failure: $(cat err.txt)"
# A terminal gets no PDF.
if command -v python3 >/dev/null; then
    python3 - "$bin" <<'PY' || fail "-o - on a terminal was not refused"
import os, pty, subprocess, sys
leader, follower = pty.openpty()
run = subprocess.run([sys.argv[1], "pdf", "-o", "-", "a.bmp"], stdout=follower,
                     stderr=subprocess.PIPE, timeout=120)
os.close(follower)
os.close(leader)
sys.exit(0 if run.returncode == 2 and b"terminal" in run.stderr else 1)
PY
fi

# Lists of pictures: @LIST and --files-from, "-" for standard input; empty lines and CR LF
# line ends are fine; each list is read where it is named.
printf 'a.bmp\n\n%s/b.bmp\r\n   \n' "$work" >list.txt
"$bin" pdf -o listed.pdf @list.txt >out.txt 2>err.txt
[[ $? -eq 0 ]] || fail "@list.txt: $(cat err.txt)"
grep -q '^Wrote listed.pdf: 2 pages' out.txt || fail "@list.txt summary: $(cat out.txt)"
"$bin" pdf -o listed.pdf b.bmp --files-from list.txt a.bmp >out.txt 2>err.txt
grep -q '^Wrote listed.pdf: 4 pages' out.txt || fail "--files-from between pictures: $(cat out.txt) $(cat err.txt)"
printf 'a.bmp\nb.bmp\nb.bmp\n' | "$bin" pdf -o stdin.pdf --files-from - >out.txt 2>err.txt
grep -q '^Wrote stdin.pdf: 3 pages' out.txt || fail "--files-from -: $(cat out.txt) $(cat err.txt)"
printf 'a.bmp\n' | "$bin" pdf -o - @- 2>err.txt | head -c 5 | grep -q '%PDF-' || fail "@- with -o -: $(cat err.txt)"
"$bin" pdf -o x.pdf @missing.txt >/dev/null 2>err.txt
[[ $? -eq 2 ]] || fail "a missing list is not status 2"
grep -q 'cannot read the list missing.txt' err.txt || fail "missing list: $(cat err.txt)"
printf '\n\n' >empty.txt
"$bin" pdf -o x.pdf @empty.txt >/dev/null 2>err.txt
[[ $? -eq 2 ]] || fail "an empty list is not status 2"
echo a.bmp | "$bin" pdf -o x.pdf @- --files-from - >/dev/null 2>err.txt
[[ $? -eq 2 ]] || fail "standard input read twice is not status 2"
"$bin" pdf -o x.pdf - >/dev/null 2>err.txt
[[ $? -eq 2 ]] || fail "a bare - is not status 2"
grep -q -- '--files-from -' err.txt || fail "a bare - does not say how to read a list: $(cat err.txt)"
[[ -e x.pdf ]] && fail "x.pdf written by a refused command"

# Text recognition without its data: one clear message before any work; the PDF is made
# without text and the pages are named.
mkdir -p empty-tessdata
TESSDATA_PREFIX="$work/empty-tessdata" "$bin" pdf -o ocr.pdf --ocr eng a.bmp >/dev/null 2>err.txt
[[ $? -eq 1 ]] || fail "--ocr without data is not status 1"
head -1 err.txt | grep -q 'text recognition has no data for English (eng); the pages get no text layer' ||
    fail "no-data message: $(cat err.txt)"
grep -q 'no language is installed (in TESSDATA_PREFIX' err.txt || fail "no-data message lacks the folder: $(cat err.txt)"
grep -q 'install tesseract-ocr-eng' err.txt || fail "no-data message lacks the package: $(cat err.txt)"
grep -q 'a.bmp: no text layer' err.txt || fail "the page without text is not named: $(cat err.txt)"
[[ -s ocr.pdf ]] || fail "ocr.pdf not written"
TESSDATA_PREFIX="$work/empty-tessdata" "$bin" pdf --help | grep -q -- '--ocr: no language is installed' ||
    fail "pdf --help does not say that no language is installed"
"$bin" pdf --help | grep -q -- '--ocr languages: .*English (eng)' || fail "pdf --help lacks the installed languages"

[[ $failures -eq 0 ]] && echo "all pdf command checks passed"
exit $((failures > 0))
