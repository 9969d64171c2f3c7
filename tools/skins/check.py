#!/usr/bin/python3
"""Verifies the committed skins against the inventory: every resource line of resources/skins.rc
names an existing file of the listed kind, pixel size and pixel format; every listed picture has
exactly one line; resources/skin_ids.h defines every name with its id. With --regenerate it also
draws everything afresh into a temporary folder and requires the same bytes.

Usage: check.py [--regenerate] [RESOURCES_FOLDER]   (default: resources/ of this repository)
Exits with 1 and names each problem when something is wrong.
"""
import filecmp
import os
import re
import struct
import subprocess
import sys
import tempfile

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from inventory import BITMAP, ICON, ICON_SIZES, PICTURES, PNG, by_id  # noqa: E402
import palette as P  # noqa: E402

RC_LINE = re.compile(r'^(\d+)\s+(PNG|BITMAP|ICON)\s+"skins/([^"]+)"\s*$')
PNG_CHUNKS = {b"IHDR", b"PLTE", b"tRNS", b"IDAT", b"IEND"}  # nothing that varies between runs
POPUP_CORNER = 8  # the popup's corner radius: the only place the colour key may appear


def png_chunks(data):
    chunks, pos = [], 8
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunks.append(kind)
        pos += 12 + length
    return chunks


def check_png(entry, path, data):
    problems = []
    picture = Image.open(path)
    if picture.format != "PNG" or picture.mode != "RGBA":
        problems.append(f"{picture.format} {picture.mode}, expected PNG RGBA")
    if picture.size != entry.size:
        problems.append(f"{picture.size[0]} x {picture.size[1]}, expected "
                        f"{entry.size[0]} x {entry.size[1]}")
    extra = set(png_chunks(data)) - PNG_CHUNKS
    if extra:
        problems.append(f"carries chunks {sorted(k.decode() for k in extra)}")
    return problems


def check_bitmap(entry, path, data):
    problems = []
    if data[:2] != b"BM" or len(data) < 54:
        return ["not a BMP file"]
    width, height, _, bits, compression = struct.unpack("<iiHHI", data[18:34])
    if (bits, compression) != (24, 0):
        problems.append(f"{bits}-bit, compression {compression}; expected 24-bit uncompressed")
    if (width, abs(height)) != entry.size:
        problems.append(f"{width} x {abs(height)}, expected {entry.size[0]} x {entry.size[1]}")
    if not problems:
        problems += check_colour_key(Image.open(path).convert("RGB"))
    return problems


def check_colour_key(picture):
    """Pure green only in the four corners outside the rounded edge, and in each of them."""
    w, h = picture.size
    r = POPUP_CORNER
    corners = [(0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)]
    problems = [f"corner {c} is not the colour key" for c in corners
                if picture.getpixel(c) != P.COLOUR_KEY]
    stray = 0
    for y in range(h):
        for x in range(w):
            in_corner = (x < r or x >= w - r) and (y < r or y >= h - r)
            if not in_corner and picture.getpixel((x, y)) == P.COLOUR_KEY:
                stray += 1
    if stray:
        problems.append(f"{stray} colour-key pixels outside the corners")
    return problems


def check_icon(entry, path, data):
    count = struct.unpack("<HHH", data[:6])[2]
    sizes = []
    for i in range(count):
        w, h, _, _, _, bits = struct.unpack("<BBBBHH", data[6 + 16 * i:6 + 16 * i + 8])
        sizes.append((w or 256, h or 256, bits))
    expected = [(s, s, 32) for s in ICON_SIZES]
    problems = [] if sizes == expected else [f"images {sizes}, expected {expected}"]
    icon = Image.open(path)
    for s in ICON_SIZES:
        icon.size = (s, s)
        if icon.convert("RGBA").size != (s, s):
            problems.append(f"the {s} x {s} image does not decode")
    return problems


CHECKS = {PNG: check_png, BITMAP: check_bitmap, ICON: check_icon}


def check_rc(resources):
    problems, seen = [], {}
    listed = by_id()
    with open(os.path.join(resources, "skins.rc"), encoding="utf-8") as rc:
        for number, line in enumerate(rc, 1):
            if not line.strip() or line.startswith("//"):
                continue
            match = RC_LINE.match(line)
            if not match:
                problems.append(f"skins.rc:{number}: not a resource line: {line.rstrip()}")
                continue
            pid, kind, file = int(match.group(1)), match.group(2), match.group(3)
            entry = listed.get(pid)
            if entry is None:
                problems.append(f"skins.rc:{number}: id {pid} is not in the inventory")
                continue
            if pid in seen:
                problems.append(f"skins.rc:{number}: id {pid} listed again")
            seen[pid] = True
            if (kind, file) != (entry.kind, entry.file):
                problems.append(f"skins.rc:{number}: id {pid} should be {entry.kind} {entry.file}")
                continue
            path = os.path.join(resources, "skins", file)
            if not os.path.isfile(path):
                problems.append(f"{pid} {file}: missing")
                continue
            with open(path, "rb") as f:
                data = f.read()
            problems += [f"{pid} {file}: {p}" for p in CHECKS[kind](entry, path, data)]
    problems += [f"{pid} {e.file}: not in skins.rc" for pid, e in listed.items() if pid not in seen]
    return problems


def check_header(resources):
    with open(os.path.join(resources, "skin_ids.h"), encoding="utf-8") as header:
        defined = dict(re.findall(r"^#define\s+(IDP_\w+)\s+(\d+)\s*$", header.read(), re.M))
    problems = [f"skin_ids.h: {p.macro} should be {p.id}" for p in PICTURES
                if defined.get(p.macro) != str(p.id)]
    known = {p.macro for p in PICTURES}
    problems += [f"skin_ids.h: {name} is not in the inventory" for name in defined
                 if name not in known]
    return problems


def check_regenerated(resources):
    """Draws everything into a temporary folder and compares it with what is there."""
    with tempfile.TemporaryDirectory() as fresh:
        subprocess.run([sys.executable, os.path.join(HERE, "generate.py"), fresh], check=True,
                       stdout=subprocess.DEVNULL)
        names = ["skins.rc", "skin_ids.h"] + [os.path.join("skins", p.file) for p in PICTURES]
        return [f"{name}: differs from a fresh generator run" for name in names
                if not filecmp.cmp(os.path.join(fresh, name), os.path.join(resources, name),
                                   shallow=False)]


def main():
    args = sys.argv[1:]
    regenerate = "--regenerate" in args
    args = [a for a in args if a != "--regenerate"]
    resources = args[0] if args else os.path.join(HERE, "..", "..", "resources")
    problems = check_rc(resources) + check_header(resources)
    if regenerate and not problems:
        problems += check_regenerated(resources)
    for problem in problems:
        print("check.py:", problem)
    if problems:
        sys.exit(1)
    print(f"check.py: {len(PICTURES)} pictures match the inventory"
          + (" and a fresh generator run" if regenerate else ""))


if __name__ == "__main__":
    main()
