"""Small line icons (12 x 12) for the caption buttons, drawn into a Pen at (x, y)."""
import math

LINE = 1.4


def fullscreen(pen, x, y, s):
    """Four corner brackets pointing outwards."""
    a, b, k = x + 1, x + s - 1, 3.6
    top, bottom = y + 1, y + s - 1
    for cx, dx in ((a, 1), (b, -1)):
        for cy, dy in ((top, 1), (bottom, -1)):
            pen.stroke([(cx + dx * k, cy), (cx, cy), (cx, cy + dy * k)], LINE)


def boss_key(pen, x, y, s):
    """An eye with a slash: hide everything."""
    cx, cy = x + s / 2, y + s / 2
    pen.arc((x + 0.5, cy - 6.5, x + s - 0.5, cy + 6.5), 205, 335, LINE)
    pen.arc((x + 0.5, cy - 6.5, x + s - 0.5, cy + 6.5), 25, 155, LINE)
    pen.ellipse((cx - 2.2, cy - 2.2, cx + 2.2, cy + 2.2))
    pen.stroke([(x + 1.5, y + s - 1), (x + s - 1.5, y + 1)], LINE + 1.4, 0)  # gap around the slash
    pen.stroke([(x + 1.5, y + s - 1), (x + s - 1.5, y + 1)], LINE)


def clean_cache(pen, x, y, s):
    """A broom sweeping to the lower left."""
    pen.stroke([(x + s - 1, y + 0.8), (x + 6.2, y + 5.6)], LINE)
    pen.polygon([(x + 5.0, y + 4.2), (x + 7.8, y + 7.0), (x + 4.6, y + s - 0.4),
                 (x + 0.4, y + 7.6)])
    for i in (0.33, 0.66):  # bristle lines
        px, py = x + 0.4 + (4.6 - 0.4) * i, y + 7.6 + (s - 0.4 - 7.6) * i
        pen.stroke([(px + 3.2, py - 3.2), (px, py)], 0.7, 0)


def refresh(pen, x, y, s):
    """A circular arrow, clockwise."""
    cx, cy, r = x + s / 2, y + s / 2, s / 2 - 1.2
    pen.arc((cx - r, cy - r, cx + r, cy + r), -60, 250, LINE)
    angle = math.radians(-60)
    ex, ey = cx + r * math.cos(angle), cy + r * math.sin(angle)
    pen.polygon([(ex + 2.6, ey - 2.2), (ex + 0.6, ey + 3.0), (ex - 3.0, ey - 1.4)])


def reselect(pen, x, y, s):
    """A globe: the worlds to choose from."""
    cx, cy, r = x + s / 2, y + s / 2, s / 2 - 0.6
    pen.arc((cx - r, cy - r, cx + r, cy + r), 0, 360, LINE)
    pen.arc((cx - r * 0.45, cy - r, cx + r * 0.45, cy + r), 0, 360, LINE * 0.85)
    pen.stroke([(cx - r + 0.8, cy), (cx + r - 0.8, cy)], LINE * 0.85)
    pen.stroke([(cx, cy - r + 0.6), (cx, cy + r - 0.6)], LINE * 0.85)
