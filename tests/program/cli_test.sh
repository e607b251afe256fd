#!/usr/bin/env bash
# Drives the real program from a terminal: options, the settings command and exit statuses.
set -u
bin="$1"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export QUILLMARK_HOME="$home"
failures=0

expect() {  # expect STATUS PATTERN -- ARGS...
    local want_status="$1" pattern="$2"; shift 3
    local out status
    out=$("$bin" "$@" 2>&1); status=$?
    if [[ $status -ne $want_status ]] || ! grep -qE -- "$pattern" <<<"$out"; then
        echo "FAIL: quillmark $* -> status $status (want $want_status), output:"; echo "$out"
        failures=$((failures + 1))
    fi
}

expect 0 '^Tessaly Quillmark Mobile 1\.20\.189 \(Linux, ' -- --version
expect 0 'settings list \| get NAME' -- --help
expect 2 "unknown option '--bogus'" -- --bogus
expect 2 "unknown command 'frobnicate'" -- frobnicate
expect 2 '--screen takes WIDTHxHEIGHT' -- --screen 480 settings list
expect 0 '^SCAN_SETTINGS/PageSize=9$' -- settings list
expect 0 '' -- settings set SCAN_SETTINGS/PageSize 4
expect 0 '^4$' -- settings get PageSize
expect 2 'from 0 to 11' -- settings set PageSize 99
expect 2 "unknown setting" -- settings get Nope
# Help: every command and every verb answers --help (and -h) on standard output with status 0.
expect_help() {  # expect_help PATTERN -- ARGS...
    local pattern="$1"; shift 2
    local out err status
    out=$("$bin" "$@" 2>"$home/help.err"); status=$?
    err=$(cat "$home/help.err")
    if [[ $status -ne 0 ]] || [[ -n "$err" ]] || ! grep -qE -- "$pattern" <<<"$out"; then
        echo "FAIL: quillmark $* -> status $status, standard error: $err; standard output:"
        echo "$out"; failures=$((failures + 1))
    fi
}
expect_help '^usage: quillmark send --to ADDRS' -- send --help
expect_help '^usage: quillmark send --to ADDRS' -- send -h
expect_help '^usage: quillmark send' -- send --to x@example.org --help
expect_help '^usage: quillmark account add NAME --from ADDR' -- account --help
expect_help '^ +quillmark account list \| remove NAME' -- account add --help
expect_help '^usage: quillmark account' -- account remove --help
expect_help '^usage: quillmark settings list \| get NAME \| set NAME VALUE' -- settings --help
expect_help '^usage: quillmark settings' -- settings set --help
expect_help '^usage: quillmark pdf -o OUT.pdf\|-' -- pdf --help
expect_help '^Commands' -- --help
# After "--" it is a file name, not a question.
expect 2 'usage: quillmark send' -- send --to x@example.org -- --help extra
# The program's help lists every option the pdf command's help lists, from the same table.
top=$("$bin" --help)
pdf_options=$("$bin" pdf --help | sed -n '/^Options:/,/^$/p' | grep -E '^  -' | sed -E 's/^  //; s/  .*//' |
    grep -oE -- '(^|[ [|])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u)
for option in $pdf_options --ocr --straighten --enhance --files-from; do
    [[ $option == -h || $option == --help ]] && continue
    grep -qE -- "\[?$option( |\]|\|)" <<<"$top" || { echo "FAIL: --help lacks pdf's $option"; failures=$((failures + 1)); }
done
# Both helps read on an 80-column terminal.
for args in "--help" "pdf --help" "account --help" "send --help" "settings --help"; do
    # shellcheck disable=SC2086
    long=$("$bin" $args | awk 'length > 80')
    [[ -z "$long" ]] || { echo "FAIL: quillmark $args has lines over 80 columns: $long"; failures=$((failures + 1)); }
done

grep -q '"PageSize"=dword:00000004' "$home/registry.reg" || { echo "FAIL: registry file lacks PageSize=4"; failures=$((failures + 1)); }

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed"; exit 1
fi
echo "all command-line checks passed"
