#!/usr/bin/python3
"""Checks the layers of the program against what its libraries declare.

The manifest lists the libraries bottom layer first, one per line:
    NAME FOLDER HEADLESS DEP,DEP,...
A library owns the headers and sources in its folder and in subfolders that are not the folder
of another library. The check fails when
  - a library links a library of its own layer or above (this also rules out cycles),
  - a headless library links Qt Widgets or a library that is not headless,
  - a file includes a project header of a library its own library does not link, directly
    or through the libraries it links, or a header that belongs to no library,
  - a file of a headless library includes a Qt Widgets header,
  - a folder is not wholly of its kind: the libraries under ui/, in a screens/ folder and in
    program/ are widgets and must use Qt Widgets (directly or through a widgets library they
    link); every other library must be declared headless.
"""

import argparse
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
WIDGETS_MODULES = ("Qt6::Widgets", "Qt6::Test", "Qt6::SvgWidgets")


def widgets_headers():
    """Every header name of the Qt Widgets module, from the installed headers."""
    names = {"QtWidgets", "QtTest", "QTest", "QSvgWidget"}
    for base in ("/usr/include/x86_64-linux-gnu/qt6", "/usr/include/aarch64-linux-gnu/qt6",
                 "/usr/include/qt6"):
        folder = os.path.join(base, "QtWidgets")
        if os.path.isdir(folder):
            names.update(n for n in os.listdir(folder) if n.startswith("Q") and "." not in n)
    return names


def is_widgets_folder(folder):
    """Whether the library of this folder is of the widgets kind."""
    parts = folder.split("/")
    return parts[0] in ("ui", "program") or "screens" in parts


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--manifest", required=True)
    args = parser.parse_args()

    libs = []  # (name, folder, headless, deps)
    with open(args.manifest, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if not parts:
                continue
            deps = parts[3].split(",") if len(parts) > 3 else []
            libs.append((parts[0], parts[1], parts[2] == "1", [d for d in deps if d]))

    rank = {name: i for i, (name, _, _, _) in enumerate(libs)}
    owner = {folder: name for name, folder, _, _ in libs}
    declared = {name: [d for d in deps if d in rank] for name, _, _, deps in libs}
    headless = {name: h for name, _, h, _ in libs}
    all_deps = {name: deps for name, _, _, deps in libs}
    errors = []

    for name, folder, is_headless, deps in libs:
        for d in declared[name]:
            if rank[d] >= rank[name]:
                errors.append(f"{name} ({folder}) links {d}, which is not below it")
            if is_headless and not headless[d]:
                errors.append(f"{name} is headless but links {d}, which uses Qt Widgets")
        if is_headless:
            for d in deps:
                if d in WIDGETS_MODULES:
                    errors.append(f"{name} is headless but links {d}")

    def uses_widgets(name, seen=None):
        seen = set() if seen is None else seen
        if any(d in WIDGETS_MODULES for d in all_deps[name]):
            return True
        for d in declared[name]:
            if d not in seen and rank[d] < rank[name] and not headless[d]:
                seen.add(d)
                if uses_widgets(d, seen):
                    return True
        return False

    for name, folder, is_headless, _ in libs:
        if is_widgets_folder(folder):
            if is_headless:
                errors.append(f"{name} ({folder}) is in a widgets folder but declared headless")
            elif not uses_widgets(name):
                errors.append(f"{name} ({folder}) is in a widgets folder but does not use "
                              f"Qt Widgets")
        elif not is_headless:
            errors.append(f"{name} ({folder}) is not under ui/, screens/ or program/, so it "
                          f"must be declared headless")

    def closure(name, seen=None):
        seen = set() if seen is None else seen
        for d in declared[name]:
            if d not in seen and rank[d] < rank[name]:
                seen.add(d)
                closure(d, seen)
        return seen

    def owner_of(folder):
        while folder:
            if folder in owner:
                return owner[folder]
            folder = os.path.dirname(folder)
        return None

    def files_of(folder):
        for here, dirs, files in os.walk(os.path.join(args.root, folder)):
            rel_here = os.path.relpath(here, args.root)
            dirs[:] = sorted(d for d in dirs if f"{rel_here}/{d}" not in owner)
            for file in sorted(files):
                if file.endswith((".h", ".cpp")):
                    yield f"{rel_here}/{file}"

    forbidden = widgets_headers()
    for name, folder, is_headless, _ in libs:
        reachable = closure(name) | {name}
        for rel in files_of(folder):
            with open(os.path.join(args.root, rel), encoding="utf-8") as f:
                text = f.read()
            for kind, included in INCLUDE.findall(text):
                if kind == "<":
                    top = included.split("/")[0]
                    if is_headless and (top in forbidden or top == "QtWidgets"):
                        errors.append(f"{rel}: headless {name} includes <{included}> (Qt Widgets)")
                    continue
                if not os.path.exists(os.path.join(args.root, included)):
                    continue  # generated or relative to the file itself
                target = owner_of(os.path.dirname(included))
                if target is None:
                    errors.append(f"{rel}: includes {included}, which belongs to no library")
                elif target not in reachable:
                    errors.append(f"{rel}: {name} includes {included} of {target}, "
                                  f"which {name} does not link")

    if errors:
        print("Layer check failed:", file=sys.stderr)
        for e in errors:
            print("  " + e, file=sys.stderr)
        return 1
    print(f"Layers hold: {len(libs)} libraries")
    return 0


if __name__ == "__main__":
    sys.exit(main())
