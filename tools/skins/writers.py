"""Writes the pictures and the two resource files, byte for byte the same on every run: PNGs carry
no time or text chunks, the BMP and the icon are laid out by hand."""
import io
import struct

from inventory import BITMAP, GROUPS, ICON, ICON_SIZES, PICTURES, PNG

GENERATED = "Written by tools/skins/generate.py: change the generator, not this file."


def _banner(what):
    return [f"// {what}", f"// {GENERATED}"]


def png_bytes(picture):
    out = io.BytesIO()
    picture.save(out, "PNG", optimize=True)
    return out.getvalue()


def bmp_bytes(picture):
    """A 24-bit bottom-up BMP with a BITMAPINFOHEADER, as the resource compiler expects."""
    rgb = picture.convert("RGB")
    width, height = rgb.size
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = rgb.crop((0, y, width, y + 1)).tobytes("raw", "BGR")
        rows.append(row + b"\0" * (stride - len(row)))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def _icon_dib(picture):
    """One icon image in the classic form: 32-bit BGRA bottom-up plus a 1-bit AND mask."""
    size = picture.size[0]
    rgba = picture.convert("RGBA")
    colour = b"".join(
        rgba.crop((0, y, size, y + 1)).tobytes("raw", "BGRA") for y in range(size - 1, -1, -1))
    mask_stride = ((size + 31) // 32) * 4
    alpha = rgba.getchannel("A")
    mask_rows = []
    for y in range(size - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(size):
            if alpha.getpixel((x, y)) == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(bits))
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour), 0, 0, 0, 0)
    return info + colour + b"".join(mask_rows)


def ico_bytes(images):
    """A multi-size icon: the small sizes as classic bitmaps (every Windows and Wine reads them),
    256 x 256 as PNG, as Windows itself stores it."""
    blobs = [png_bytes(images[s]) if s >= 256 else _icon_dib(images[s]) for s in ICON_SIZES]
    offset = 6 + 16 * len(blobs)
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    for size, blob in zip(ICON_SIZES, blobs):
        edge = 0 if size >= 256 else size
        directory += struct.pack("<BBBBHHII", edge, edge, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return directory + b"".join(blobs)


def picture_bytes(entry, picture):
    if entry.kind == PNG:
        return png_bytes(picture)
    if entry.kind == BITMAP:
        return bmp_bytes(picture)
    if entry.kind == ICON:
        return ico_bytes(picture)
    raise ValueError(entry.kind)


def rc_text():
    lines = _banner("Skin pictures of the launcher's windows.")
    for group, title in GROUPS:
        lines += ["", f"// {title}."]
        for p in PICTURES:
            if p.group == group:
                ext = "BITMAP" if p.kind == BITMAP else p.kind
                lines.append(f'{p.id} {ext} "skins/{p.file}"')
    return "\n".join(lines) + "\n"


def header_text():
    lines = _banner("Resource ids of the skin pictures.") + ["#pragma once"]
    for group, title in GROUPS:
        lines += ["", f"// {title}."]
        for p in PICTURES:
            if p.group == group:
                lines.append(f"#define {p.macro} {p.id}")
    return "\n".join(lines) + "\n"
