#!/usr/bin/python3
"""Draws every picture of a rendered skin on a grid with its number, as a PNG.

  contact_sheet.py --png-dir DIR --title TEXT --out FILE.png [--rsvg rsvg-convert]
"""
import argparse
import base64
import os
import struct
import subprocess
import tempfile


def size_of(path):
    with open(path, "rb") as f:
        data = f.read(24)
    return struct.unpack(">II", data[16:24])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--png-dir", required=True)
    parser.add_argument("--title", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--rsvg", default="rsvg-convert")
    args = parser.parse_args()

    names = sorted((n for n in os.listdir(args.png_dir) if n.endswith(".png")),
                   key=lambda n: int(n[:-4]))
    pictures = [(int(n[:-4]), os.path.join(args.png_dir, n)) for n in names]
    widest = max(size_of(p)[0] for _, p in pictures)
    cell_w = max(120, min(widest, 380) + 16)
    sheet_w = 1000
    # Pack pictures into rows, each cell as wide as its picture (at least cell_w / 2).
    rows, row, x = [], [], 0
    for ident, path in pictures:
        w, h = size_of(path)
        cw = max(w + 16, 84)
        if row and x + cw > sheet_w:
            rows.append(row)
            row, x = [], 0
        row.append((ident, path, w, h, x, cw))
        x += cw
    rows.append(row)

    parts, y = [], 48
    for row in rows:
        rh = max(h for _, _, _, h, _, _ in row) + 34
        for ident, path, w, h, x, cw in row:
            with open(path, "rb") as f:
                data = base64.b64encode(f.read()).decode()
            parts.append(f'<rect x="{x + 4}" y="{y}" width="{cw - 8}" height="{rh - 6}" rx="4" '
                         f'fill="url(#checks)" stroke="#d0d4da"/>')
            parts.append(f'<image x="{x + (cw - w) // 2}" y="{y + 4}" width="{w}" height="{h}" '
                         f'href="data:image/png;base64,{data}"/>')
            parts.append(f'<text x="{x + cw // 2}" y="{y + rh - 12}" font-family="DejaVu Sans, sans-serif" '
                         f'font-size="12" text-anchor="middle" fill="#333">{ident}</text>')
        y += rh + 4
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{sheet_w}" height="{y + 8}">'
           '<defs><pattern id="checks" width="16" height="16" patternUnits="userSpaceOnUse">'
           '<rect width="16" height="16" fill="#ffffff"/><rect width="8" height="8" fill="#eef0f3"/>'
           '<rect x="8" y="8" width="8" height="8" fill="#eef0f3"/></pattern></defs>'
           f'<rect width="{sheet_w}" height="{y + 8}" fill="#f7f8fa"/>'
           f'<text x="12" y="30" font-family="DejaVu Sans, sans-serif" font-size="20" '
           f'font-weight="bold" fill="#222">{args.title}</text>' + "".join(parts) + "</svg>")
    with tempfile.NamedTemporaryFile("w", suffix=".svg", delete=False) as f:
        f.write(svg)
        name = f.name
    try:
        subprocess.run([args.rsvg, "-o", args.out, name], check=True)
    finally:
        os.unlink(name)


if __name__ == "__main__":
    main()
