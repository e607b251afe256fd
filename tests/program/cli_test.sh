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
grep -q '"PageSize"=dword:00000004' "$home/registry.reg" || { echo "FAIL: registry file lacks PageSize=4"; failures=$((failures + 1)); }

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed"; exit 1
fi
echo "all command-line checks passed"
