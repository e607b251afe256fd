#!/usr/bin/python3
"""Every text of the program is translated in every shipped catalogue.

Runs lupdate over the sources into copies of the catalogues, so a new English text that was
never translated counts as missing, then checks each message of each language:
  - it has a finished, non-empty translation;
  - printf placeholders (%s, %d, %I64d, %02d, ...) appear in the same order, since the
    formatter takes its arguments in order;
  - numbered placeholders (%1, %2, ...) appear as the same set, in any order;
  - the string table's line breaks ("\\r\\n") are kept: its messages are laid out in
    paragraphs.

usage: check_translations.py LUPDATE SOURCES_LIST TS_FILE... [-- LUPDATE_OPTION...]
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

PRINTF = re.compile(r"%(?:%|[-+ 0#]*(?:\*|\d+)?(?:\.(?:\*|\d+))?(?:I64|ll|l|h)?[diuxXoscfFeEgGaAp])")
NUMBERED = re.compile(r"%(\d+)")
MESSAGE = re.compile(r"<message>(.*?)</message>", re.S)
SOURCE = re.compile(r"<source>(.*?)</source>", re.S)
TRANSLATION = re.compile(r"<translation(?P<attrs>[^>]*)>(?P<text>.*?)</translation>|<translation(?P<empty>[^>]*)/>", re.S)
CONTEXT = re.compile(r"<context>\s*<name>(.*?)</name>(.*?)</context>", re.S)


def unescape(text):
    text = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', lambda m: chr(int(m.group(1), 16)), text)
    for a, b in (("&lt;", "<"), ("&gt;", ">"), ("&quot;", '"'), ("&apos;", "'"), ("&amp;", "&")):
        text = text.replace(a, b)
    return text


def printf_sequence(text):
    return [p for p in PRINTF.findall(text) if p != "%%"]


def problems(language, context, source, attrs, translation):
    where = f"{language}: {context}: {source!r}"
    if "unfinished" in attrs or "vanished" in attrs or "obsolete" in attrs or not translation:
        return [f"{where}: not translated"]
    found = []
    # A numbered placeholder is "%1" only where the text uses that style (Qt's arg()).
    if NUMBERED.search(source) and not printf_sequence(source):
        if sorted(NUMBERED.findall(source)) != sorted(NUMBERED.findall(translation)):
            found.append(f"{where}: numbered placeholders differ in {translation!r}")
    elif printf_sequence(source) != printf_sequence(translation):
        found.append(f"{where}: placeholders {printf_sequence(source)} became "
                     f"{printf_sequence(translation)} in {translation!r}")
    if context == "StringTable" and source.count("\n") != translation.count("\n"):
        found.append(f"{where}: line breaks differ in {translation!r}")
    return found


def check(path):
    language = os.path.basename(path)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    found, count = [], 0
    for context, body in CONTEXT.findall(text):
        for message in MESSAGE.findall(body):
            count += 1
            source = unescape(SOURCE.search(message).group(1))
            t = TRANSLATION.search(message)
            if t is None:
                found.append(f"{language}: {context}: {source!r}: no translation element")
                continue
            attrs = t.group("attrs") if t.group("attrs") is not None else (t.group("empty") or "")
            translation = unescape(t.group("text") or "")
            found += problems(language, context, source, attrs, translation)
    return found, count


def main():
    args = sys.argv[1:]
    options = []
    if "--" in args:
        options = args[args.index("--") + 1:]
        args = args[:args.index("--")]
    lupdate, sources_list, ts_files = args[0], args[1], args[2:]
    if not ts_files:
        print("no catalogues given")
        return 1
    with open(sources_list, encoding="utf-8") as f:
        sources = [line.strip() for line in f if line.strip()]
    failures, counts = [], []
    with tempfile.TemporaryDirectory() as tmp:
        copies = []
        for ts in ts_files:
            copy = os.path.join(tmp, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        listing = os.path.join(tmp, "sources.lst")
        with open(listing, "w", encoding="utf-8") as f:
            f.write("\n".join(sources) + "\n")
        run = subprocess.run([lupdate, *options, "@" + listing, "-ts", *copies],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            return 1
        for copy in copies:
            found, count = check(copy)
            failures += found
            counts.append(f"{os.path.basename(copy)}: {count} texts")
    print("; ".join(counts))
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
