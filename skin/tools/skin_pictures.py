#!/usr/bin/python3
"""Rasterises the skin artwork for one library and writes the picture table as C++.

  skin_pictures.py --list pictures.list --art DIR --size vga|qvga --png-dir DIR --out FILE.cpp
                   [--rsvg rsvg-convert]

Each SVG is rendered with rsvg-convert to the listed size. rsvg-convert writes 8-bit RGBA;
pictures listed as palette or RGB are converted here (standard library only).
"""
import argparse
import os
import struct
import subprocess
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
COLOUR_TYPES = {"rgba": 6, "rgb": 2, "palette": 3}


def chunks(data):
    if not data.startswith(SIGNATURE):
        raise ValueError("not a PNG file")
    pos = len(SIGNATURE)
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def header(data):
    for kind, body in chunks(data):
        if kind == b"IHDR":
            return struct.unpack(">IIBBBBB", body)
    raise ValueError("no IHDR")


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def decode_rgba(data):
    """Pixels of an 8-bit RGBA or RGB, non-interlaced PNG as rows of RGBA bytes."""
    width, height, depth, ctype, _, _, interlace = header(data)
    if depth != 8 or ctype not in (2, 6) or interlace:
        raise ValueError("unexpected PNG layout from rsvg-convert")
    bpp = 4 if ctype == 6 else 3
    raw = zlib.decompress(b"".join(body for kind, body in chunks(data) if kind == b"IDAT"))
    stride = width * bpp
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(height):
        ftype, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ftype == 1:
                line[i] = (line[i] + a) & 0xFF
            elif ftype == 2:
                line[i] = (line[i] + b) & 0xFF
            elif ftype == 3:
                line[i] = (line[i] + ((a + b) >> 1)) & 0xFF
            elif ftype == 4:
                line[i] = (line[i] + paeth(a, b, c)) & 0xFF
        prev = line
        if bpp == 3:
            line = bytearray(b for i in range(width) for b in (*line[3 * i:3 * i + 3], 255))
        rows.append(line)
    return width, height, rows


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def encode(width, height, ctype, rows, palette=None):
    ihdr = struct.pack(">IIBBBBB", width, height, 8, ctype, 0, 0, 0)
    out = SIGNATURE + chunk(b"IHDR", ihdr)
    if palette is not None:
        out += chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    raw = b"".join(b"\x00" + bytes(r) for r in rows)
    return out + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def composite_on_white(r, g, b, a):
    # Opaque pictures have no use for alpha; anything translucent is flattened onto white.
    return tuple((c * a + 255 * (255 - a)) // 255 for c in (r, g, b))


def to_rgb(width, height, rows):
    out = []
    for row in rows:
        line = bytearray()
        for i in range(width):
            line += bytes(composite_on_white(*row[4 * i:4 * i + 4]))
        out.append(line)
    return out


def to_palette(width, height, rows):
    """256 most frequent colours, every other colour mapped to its nearest."""
    rgb = to_rgb(width, height, rows)
    counts = {}
    for line in rgb:
        for i in range(0, len(line), 3):
            key = bytes(line[i:i + 3])
            counts[key] = counts.get(key, 0) + 1
    palette = sorted(counts, key=lambda k: -counts[k])[:256]
    index = {c: n for n, c in enumerate(palette)}
    nearest = {}
    out = []
    for line in rgb:
        indices = bytearray()
        for i in range(0, len(line), 3):
            key = bytes(line[i:i + 3])
            n = index.get(key)
            if n is None:
                n = nearest.get(key)
                if n is None:
                    n = min(range(len(palette)),
                            key=lambda j: sum((x - y) ** 2 for x, y in zip(key, palette[j])))
                    nearest[key] = n
            indices.append(n)
        out.append(indices)
    return out, palette


def convert(data, wanted):
    _, _, depth, ctype, _, _, _ = header(data)
    if ctype == COLOUR_TYPES[wanted] and depth == 8:
        return data
    width, height, rows = decode_rgba(data)
    if wanted == "rgba":
        return encode(width, height, 6, rows)
    if wanted == "rgb":
        return encode(width, height, 2, to_rgb(width, height, rows))
    indices, palette = to_palette(width, height, rows)
    return encode(width, height, 3, indices, palette)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--list", required=True)
    parser.add_argument("--art", required=True)
    parser.add_argument("--size", choices=("vga", "qvga"), required=True)
    parser.add_argument("--png-dir", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--rsvg", default="rsvg-convert")
    args = parser.parse_args()

    os.makedirs(args.png_dir, exist_ok=True)
    entries = []
    with open(args.list) as listing:
        for line in listing:
            line = line.split("#", 1)[0].split()
            if not line:
                continue
            ident, source, vw, vh, qw, qh, vtype, qtype = line
            w, h, wanted = (vw, vh, vtype) if args.size == "vga" else (qw, qh, qtype)
            png_path = os.path.join(args.png_dir, ident + ".png")
            subprocess.run([args.rsvg, "-w", w, "-h", h, "-o", png_path,
                            os.path.join(args.art, source)], check=True)
            with open(png_path, "rb") as f:
                data = convert(f.read(), wanted)
            got = header(data)
            if (got[0], got[1]) != (int(w), int(h)):
                sys.exit(f"{source}: rendered {got[0]}x{got[1]}, expected {w}x{h}")
            with open(png_path, "wb") as f:
                f.write(data)
            entries.append((int(ident), data))

    with open(args.out + ".tmp", "w") as out:
        out.write("// Generated by skin/tools/skin_pictures.py from skin/art; do not edit.\n\n")
        out.write('#include "skin/PictureTable.h"\n\nnamespace {\n\n')
        for ident, data in entries:
            out.write(f"const std::uint8_t kPicture{ident}[] = {{\n")
            for i in range(0, len(data), 24):
                out.write("    " + ",".join(str(b) for b in data[i:i + 24]) + ",\n")
            out.write("};\n\n")
        out.write("const SkinPicture kPictures[] = {\n")
        for ident, data in entries:
            out.write(f"    {{{ident}, kPicture{ident}, {len(data)}}},\n")
        out.write("};\n\n}  // namespace\n\n")
        out.write("extern const SkinPictureTable g_skinPictures;\n")
        out.write(f"const SkinPictureTable g_skinPictures{{kPictures, {len(entries)}}};\n")
    os.replace(args.out + ".tmp", args.out)


if __name__ == "__main__":
    main()
