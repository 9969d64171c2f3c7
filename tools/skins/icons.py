"""Small line icons (12 x 12) for the caption buttons, drawn into a Pen at (x, y)."""
import math

LINE = 1.4


def fullscreen(pen, x, y, s):
    """Four corner brackets pointing outwards."""
    a, b, k = x + 1, x + s - 1, 3.0
    top, bottom = y + 1, y + s - 1
    for cx, dx in ((a, 1), (b, -1)):
        for cy, dy in ((top, 1), (bottom, -1)):
            pen.stroke([(cx + dx * k, cy), (cx, cy), (cx, cy + dy * k)], LINE)


def _almond(x0, x1, cy, half_height, steps=16):
    upper = [(x0 + (x1 - x0) * i / steps, cy - half_height * math.sin(math.pi * i / steps))
             for i in range(steps + 1)]
    lower = [(x, 2 * cy - y) for x, y in reversed(upper)]
    return upper + lower[1:]


def boss_key(pen, x, y, s):
    """An eye struck through: hide everything."""
    cx, cy = x + s / 2, y + s / 2
    pen.stroke(_almond(x + 0.3, x + s - 0.3, cy, 4.4), LINE)
    pen.ellipse((cx - 2.1, cy - 2.1, cx + 2.1, cy + 2.1))
    slash = [(x + 1.6, y + s - 0.6), (x + s - 1.6, y + 0.6)]
    pen.stroke(slash, LINE + 1.6, 0)  # a gap around the slash
    pen.stroke(slash, LINE)


def clean_cache(pen, x, y, s):
    """A waste bin with its lid: throw the cache away."""
    pen.rounded_rect((x + 4.2, y + 0.3, x + 7.8, y + 2.6), 0.8)
    pen.rounded_rect((x + 5.3, y + 1.3, x + 6.7, y + 2.6), 0.3, 0)
    pen.rounded_rect((x + 0.6, y + 2.2, x + s - 0.6, y + 3.7), 0.6)
    pen.polygon([(x + 1.9, y + 4.5), (x + s - 1.9, y + 4.5), (x + s - 2.7, y + s - 0.3),
                 (x + 2.7, y + s - 0.3)])
    for slot in (4.6, 7.4):
        pen.rounded_rect((x + slot - 0.5, y + 6.0, x + slot + 0.5, y + s - 1.8), 0.5, 0)


def refresh(pen, x, y, s):
    """A circular arrow, clockwise."""
    cx, cy, r = x + s / 2, y + s / 2, s / 2 - 1.3
    pen.arc((cx - r, cy - r, cx + r, cy + r), -40, 245, LINE)
    angle = math.radians(245)
    ex, ey = cx + r * math.cos(angle), cy + r * math.sin(angle)
    tx, ty = -math.sin(angle), math.cos(angle)  # direction of travel
    nx, ny = -ty, tx
    back_x, back_y = ex - tx * 0.8, ey - ty * 0.8
    pen.polygon([(ex + tx * 3.0, ey + ty * 3.0), (back_x + nx * 2.6, back_y + ny * 2.6),
                 (back_x - nx * 2.6, back_y - ny * 2.6)])


def reselect(pen, x, y, s):
    """Two stacked servers, each with its light: choose another server."""
    for top in (y + 0.8, y + 6.6):
        pen.rounded_rect((x + 0.4, top, x + s - 0.4, top + 4.6), 1.2)
        pen.ellipse((x + 2.0, top + 1.5, x + 3.6, top + 3.1), 0)
        pen.rect((x + 5.4, top + 1.8, x + s - 2.2, top + 2.8), 0)
