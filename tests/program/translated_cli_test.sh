#!/usr/bin/env bash
# The command line speaks the language of the environment (LANGUAGE, LC_ALL, LC_MESSAGES,
# LANG) and a first start takes the paper of LC_PAPER.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
fresh_home() { export QUILLMARK_HOME="$work/home$1"; mkdir -p "$QUILLMARK_HOME"; }

expect() {  # expect STATUS PATTERN ENV... -- ARGS...
    local want_status="$1" pattern="$2"; shift 2
    local env=()
    while [[ "$1" != "--" ]]; do env+=("$1"); shift; done
    shift
    local out status
    out=$(env "${env[@]}" "$bin" "$@" 2>&1); status=$?
    if [[ $status -ne $want_status ]] || ! grep -qE -- "$pattern" <<<"$out"; then
        echo "FAIL: ${env[*]} quillmark $* -> status $status (want $want_status), output:"
        echo "$out"
        failures=$((failures + 1))
    fi
}

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
fresh_home 0

# English without a language, and in the C locale even when LANG names one elsewhere.
expect 2 '^quillmark pdf: no output file' LANG=C.UTF-8 -- pdf a.bmp
expect 2 '^quillmark pdf: no output file' LANG=de_DE.UTF-8 LC_ALL=C -- pdf a.bmp
# The language of LANG, LC_MESSAGES or LANGUAGE; a language without a catalogue is English.
expect 2 '^quillmark pdf: keine Ausgabedatei' LANG=de_DE.UTF-8 -- pdf a.bmp
expect 2 '^quillmark pdf: aucun fichier de sortie' LANG=C.UTF-8 LC_MESSAGES=fr_FR.UTF-8 -- pdf a.bmp
expect 2 "^quillmark: opción desconocida «--bogus»" LANGUAGE=es LANG=C.UTF-8 -- --bogus
expect 2 "^quillmark: unbekannter Befehl „frobnicate“" LANGUAGE=xx:de -- frobnicate
expect 2 '^quillmark pdf: no output file' LANGUAGE=xx LANG=C.UTF-8 -- pdf a.bmp
# Help, usage and the mail commands' messages and reasons, translated whole.
expect 0 '^Aufruf: quillmark \[OPTIONEN\]' LANGUAGE=de -- --help
expect 0 '^Umgebung:$' LANGUAGE=de -- --help
expect 0 '^utilisation[^:]*: quillmark pdf -o OUT\.pdf' LANGUAGE=fr -- pdf --help
expect 0 '^Opciones:$' LANGUAGE=es -- pdf --help
expect 0 '^ +-h, --help +mostrar esta ayuda y salir$' LANGUAGE=es -- pdf --help
expect 2 '^quillmark send: unbekannte Option „--bcc“' LANGUAGE=de -- send --bcc x a.bmp
expect 2 '^Aufruf: quillmark send --to ADDRS' LANGUAGE=de -- send a.bmp
expect 2 "^quillmark account: ninguna cuenta llamada «nobody»" LANGUAGE=es -- account remove nobody
expect 2 '^quillmark account: --port attend 1 à 65535, pas «[^0-9]*0[^0-9]*»' LANGUAGE=fr -- \
    account add work --from a@example.org --host h --port 0
expect 2 "^quillmark account: die Absenderadresse „not-an-address“ ist keine E-Mail-Adresse" \
    LANGUAGE=de -- account add work --from not-an-address --host h
# A whole run in German: the summary line.
expect 0 '^out\.pdf geschrieben: 1 Seite, A4, [0-9]+ Byte$' LANG=de_DE.UTF-8 -- pdf -o out.pdf a.bmp

# A first start stores the locale's paper; later starts keep what is stored.
fresh_home 1
expect 0 '^0$' LC_PAPER=en_US.UTF-8 -- settings get PageSize
expect 0 '^0$' LC_PAPER=de_DE.UTF-8 -- settings get PageSize
fresh_home 2
expect 0 '^9$' LC_PAPER=de_DE.UTF-8 LANG=en_US.UTF-8 -- settings get PageSize
fresh_home 3
expect 0 '^9$' LC_PAPER=C.UTF-8 -- settings get PageSize
fresh_home 4
expect 0 '^0$' LANG=es_MX.UTF-8 -- settings get PageSize

if [[ $failures -ne 0 ]]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "translated command line: all passed"
