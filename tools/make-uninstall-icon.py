#!/usr/bin/env python3
"""Draws resources/uninstall.ico: a 16 x 16, 32-bit icon (1150 bytes) for the uninstall shortcut.

A navy rounded tile with a gold rim and a gold waste bin, in the launcher's colours, anti-aliased by 8 x 8 supersampling. Pure Python, so
the output is the same on every machine. Usage: make-uninstall-icon.py OUTPUT.ico
"""
import struct
import sys

SIZE = 16
SUB = 8  # samples per pixel along each axis


def inside_rounded_rect(x, y, x0, y0, x1, y1, r):
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def bin_glyph(x, y):
    """The white waste bin: lid, handle, body with two slots."""
    if inside_rounded_rect(x, y, 6.2, 2.6, 9.8, 4.0, 0.6) and not inside_rounded_rect(
            x, y, 7.2, 3.3, 8.8, 4.5, 0.2):
        return True  # handle
    if inside_rounded_rect(x, y, 3.6, 4.0, 12.4, 5.4, 0.5):
        return True  # lid
    if inside_rounded_rect(x, y, 4.7, 6.0, 11.3, 13.4, 1.0):
        for slot in (6.9, 9.1):
            if abs(x - slot) < 0.45 and 7.3 <= y <= 12.0:
                return False
        return True  # body
    return False


def tile_colour(y):
    """Vertical gradient: slate blue at the top, deep navy at the bottom."""
    t = y / SIZE
    top = (0x34, 0x48, 0x72)
    bottom = (0x12, 0x1A, 0x30)
    return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))


def pixel(px, py):
    tile = glyph = 0
    for sy in range(SUB):
        for sx in range(SUB):
            x = px + (sx + 0.5) / SUB
            y = py + (sy + 0.5) / SUB
            if inside_rounded_rect(x, y, 0.5, 0.5, 15.5, 15.5, 3.5):
                tile += 1
                if bin_glyph(x, y):
                    glyph += 1
    total = SUB * SUB
    if tile == 0:
        return (0, 0, 0, 0)
    base = tile_colour(py + 0.5)
    g = glyph / tile
    gold = (0xF0, 0xCF, 0x82)
    rgb = tuple(round(c * (1 - g) + k * g) for c, k in zip(base, gold))
    return rgb + (round(255 * tile / total),)


def main():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    xor = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up
        for r, g, b, a in rows[y]:
            xor += bytes((b, g, r, a))
    # AND mask: 1 where fully transparent; rows padded to 32 bits.
    mask = bytearray()
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            if rows[y][x][3] == 0:
                bits |= 1 << (15 - x)
        mask += struct.pack(">H", bits) + b"\0\0"
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + xor + mask
    icon = struct.pack("<HHH", 0, 1, 1)
    icon += struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    icon += image
    assert len(icon) == 1150, len(icon)
    with open(sys.argv[1], "wb") as out:
        out.write(icon)


if __name__ == "__main__":
    main()
