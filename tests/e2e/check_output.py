"""Checks what one end-to-end run left behind: the PDF in the folder the setup screen used (two
pages: the captured JPEG unchanged, then a blank page) and the session file (the captured
picture's path, then a blank entry)."""
import base64
import glob
import json
import os
import re
import struct
import subprocess

SESSION_MAGIC = 0xA3B54542


class Mismatch(Exception):
    pass


def expect(condition, what):
    if not condition:
        raise Mismatch(what)


def registry_text(home, name):
    """A REG_SZ value of the registry file, None when it is missing."""
    path = os.path.join(home, "registry.reg")
    expect(os.path.exists(path), "no registry file " + path)
    with open(path, encoding="utf-8-sig") as reg:
        for line in reg:
            m = re.match(r'^"%s"="((?:[^"\\]|\\.)*)"\s*$' % re.escape(name), line)
            if m:
                return re.sub(r"\\(.)", r"\1", m.group(1))
    return None


def registry_dword(home, name):
    """A REG_DWORD value of the registry file, None when it is missing."""
    path = os.path.join(home, "registry.reg")
    expect(os.path.exists(path), "no registry file " + path)
    with open(path, encoding="utf-8-sig") as reg:
        for line in reg:
            m = re.match(r'^"%s"=dword:([0-9a-fA-F]{8})\s*$' % re.escape(name), line)
            if m:
                return int(m.group(1), 16)
    return None


def check_open_and_silenced_prompt(home, pdf, seen):
    """Open went to the opener once, with the PDF (names flow only); the actions prompt ticked
    by the Toggle action stays silent from now on."""
    log = seen.get("opened_log")
    opened = []
    if log and os.path.exists(log):
        with open(log, encoding="utf-8") as f:
            opened = f.read().splitlines()
    expect(len(opened) == seen.get("opened", 0),
           "the opener was asked %d times, not %d: %s" % (len(opened), seen.get("opened", 0), opened))
    for path in opened:
        expect(os.path.realpath(path) == os.path.realpath(pdf),
               "the opener was asked to open %s, not the PDF %s" % (path, pdf))
    silenced = registry_dword(home, "DS2")
    if seen.get("actions_silenced"):
        expect(silenced == 1, "the actions prompt ticked by the Toggle action is not silenced "
                              "(DS2 is %s)" % silenced)
    else:
        expect(silenced != 1, "the actions prompt was silenced without a tick")


def captured_picture(user_home):
    pictures = sorted(glob.glob(os.path.join(user_home, "Pictures", "Camera", "*.jpg")))
    expect(len(pictures) == 1, "want one captured picture in Pictures/Camera, found %s" % pictures)
    return pictures[0]


def read_session(home):
    """The session file's current index and page paths."""
    path = os.path.join(home, "tesphoto.session")
    expect(os.path.exists(path), "no session file " + path)
    with open(path, "rb") as f:
        data = f.read()
    expect(len(data) >= 12, "session file of %d bytes" % len(data))
    magic, current, count = struct.unpack_from("<IiI", data, 0)
    expect(magic == SESSION_MAGIC, "session magic %08x" % magic)
    pos, paths = 12, []
    for _ in range(count):
        expect(data[pos:pos + 3] == b"\xff\xfe\xff", "page entry at %d lacks its UTF-16 mark" % pos)
        pos += 3
        length = data[pos]
        pos += 1
        if length == 0xFF:
            (length,) = struct.unpack_from("<H", data, pos)
            pos += 2
            if length == 0xFFFF:
                (length,) = struct.unpack_from("<I", data, pos)
                pos += 4
        paths.append(data[pos:pos + 2 * length].decode("utf-16-le"))
        pos += 2 * length
    expect(pos == len(data), "session file has %d bytes after its last page" % (len(data) - pos))
    return current, paths


def pdf_objects(pdf):
    """The PDF's pages and objects as qpdf reads them, stream data raw (not decoded)."""
    out = subprocess.run(["qpdf", "--json=2", "--json-stream-data=inline", "--decode-level=none",
                          pdf], capture_output=True, check=False, timeout=60)
    expect(out.returncode in (0, 3), "qpdf cannot read %s: %s" % (pdf, out.stderr.decode()))
    doc = json.loads(out.stdout)
    objects = {}
    for key, value in doc["qpdf"][1].items():
        if key.startswith("obj:"):
            objects[key[4:]] = value
    return doc["pages"], objects


def stream(objects, ref):
    value = objects[ref]
    expect("stream" in value, ref + " is no stream")
    return value["stream"]["dict"], base64.b64decode(value["stream"].get("data", ""))


def rendered_gray(pdf, page):
    """The page rendered in grey at a low resolution: width, height and pixel bytes."""
    out = subprocess.run(["pdftoppm", "-gray", "-r", "24", "-f", str(page), "-l", str(page), pdf],
                         capture_output=True, check=False, timeout=60)
    expect(out.returncode == 0, "pdftoppm cannot render page %d: %s" % (page, out.stderr.decode()))
    # A binary PGM: "P5", width, height, maximum, one whitespace byte, then the pixels.
    fields = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", out.stdout)
    expect(fields, "pdftoppm gave no PGM picture")
    width, height = int(fields.group(1)), int(fields.group(2))
    return width, height, out.stdout[fields.end():]


def check_pdf(pdf, jpeg):
    pages, objects = pdf_objects(pdf)
    expect(len(pages) == 2, "the PDF has %d pages, not 2" % len(pages))

    first = pages[0]
    expect(len(first["images"]) == 1, "page 1 holds %d images, not 1" % len(first["images"]))
    image = first["images"][0]
    info, data = stream(objects, image["object"])
    filters = info.get("/Filter")
    expect(filters in ("/DCTDecode", ["/DCTDecode"]), "page 1's image is %s, not a JPEG" % filters)
    with open(jpeg, "rb") as f:
        captured = f.read()
    expect(data == captured, "page 1's image stream (%d bytes) is not the captured JPEG (%d bytes)"
           % (len(data), len(captured)))

    second = pages[1]
    expect(not second["images"], "page 2 holds %d images" % len(second["images"]))
    width, height, pixels = rendered_gray(pdf, 2)
    expect(len(pixels) == width * height, "the rendering of page 2 is cut short")
    marked = sum(1 for p in pixels if p != 255)
    expect(marked == 0, "page 2 is not blank: %d of %d pixels are not white"
           % (marked, width * height))
    # The first page rendered the same way shows its picture, so the blank check can see marks.
    width, height, pixels = rendered_gray(pdf, 1)
    expect(any(p != 255 for p in pixels), "page 1 renders all white")


def check(home, user_home, seen):
    jpeg = captured_picture(user_home)
    with open(jpeg, "rb") as f:
        expect(f.read(2) == b"\xff\xd8", jpeg + " is no JPEG")

    folder = registry_text(home, "LastSaveFolder")
    expect(folder, "the registry has no LastSaveFolder")
    if seen.get("folder"):
        expect(os.path.realpath(seen["folder"]) == os.path.realpath(folder),
               "the setup screen showed %s, the registry keeps %s" % (seen["folder"], folder))
    pdfs = sorted(glob.glob(os.path.join(folder, "*.pdf")))
    expect(len(pdfs) == 1, "want one PDF in %s, found %s" % (folder, pdfs))
    if seen.get("name"):
        expect(os.path.basename(pdfs[0]) == seen["name"],
               "the PDF is %s, the setup screen offered %s" % (pdfs[0], seen["name"]))
    check_pdf(pdfs[0], jpeg)
    check_open_and_silenced_prompt(home, pdfs[0], seen)

    current, paths = read_session(home)
    expect(len(paths) == 2, "the session file lists %d pages, not 2: %s" % (len(paths), paths))
    expect(os.path.realpath(paths[0]) == os.path.realpath(jpeg),
           "the session's first page is %r, not the captured %s" % (paths[0], jpeg))
    expect(paths[1] == "", "the session's second page is %r, not blank" % paths[1])
    expect(current == seen.get("current", current),
           "the session's current page is %d, the strip's was %s" % (current, seen.get("current")))
    print("e2e: %s: two pages, the captured JPEG unchanged, then blank; session %s"
          % (pdfs[0], paths))


def write_png(path, width, height, rgb):
    """A small solid PNG, written without any imaging library."""
    import zlib
    row = b"\x00" + bytes(rgb) * width
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(row * height)))
        out.write(chunk(b"IEND", b""))


def jpeg_size(path):
    """(width, height) from a JPEG's frame header, or None."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:3] != b"\xff\xd8\xff":
        return None
    pos = 2
    while pos + 9 < len(data) and data[pos] == 0xFF:
        marker = data[pos + 1]
        (length,) = struct.unpack_from(">H", data, pos + 2)
        if marker in (0xC0, 0xC1, 0xC2):
            height, width = struct.unpack_from(">HH", data, pos + 5)
            return width, height
        pos += 2 + length
    return None


def check_scanned(home, user_home, sheets, size, seen):
    """The session file lists one page per scanned sheet, in the order of their pictures in
    the camera folder (the order they were written in), each a JPEG of `size` pixels."""
    current, paths = read_session(home)
    pictures = sorted(glob.glob(os.path.join(user_home, "Pictures", "Camera", "*.jpg")),
                      key=lambda p: os.stat(p).st_mtime_ns)
    expect(len(pictures) == sheets, "want %d scanned pictures in Pictures/Camera, found %s"
           % (sheets, pictures))
    expect(paths == pictures, "want the scanned pictures as pages in order %s, the session has %s"
           % (pictures, paths))
    expect(current == seen.get("current"),
           "the session's current page is %d, the strip's was %s" % (current, seen.get("current")))
    for path in paths:
        found = jpeg_size(path)
        expect(found == size, "%s is not a JPEG of %s pixels (%s)" % (path, size, found))
    print("e2e: %d scanned pages in the session, in order" % len(paths))


def check_opened(home, pictures):
    """The session file lists the opened pictures as pages, in the order they were given."""
    current, paths = read_session(home)
    expect(paths == pictures, "want pages %s, the session has %s" % (pictures, paths))


if __name__ == "__main__":
    import sys
    if len(sys.argv) >= 3 and sys.argv[1] == "--write-pictures":
        os.makedirs(sys.argv[2], exist_ok=True)
        for i, name in enumerate(sys.argv[3:]):
            # Portrait, so no upright copy is made, and each of its own colour.
            write_png(os.path.join(sys.argv[2], name + ".png"), 60, 80, (40 * i, 90, 160))
