"""The cache-cleaning overlay: its one-pixel sheet and four frames of a busy animation.

Each frame is a 2 x 2 grid of rounded squares with one lit; the lit square goes round clockwise
(bottom right, bottom left, top left, top right) and the one lit before it still glows faintly, so
the four frames read as a smooth turn."""
import palette as P
from paint import Pen, blur, clear, paint, with_alpha

SIZE = (23, 23)
CELLS = {"tl": (1, 1), "tr": (13, 1), "bl": (1, 13), "br": (13, 13)}
ORDER = ("br", "bl", "tl", "tr")


def texture():
    picture = clear((1, 1))
    picture.putpixel((0, 0), (0, 0, 0, 230))
    return picture


def _cell(name, inset=0.0):
    x, y = CELLS[name]
    return Pen(SIZE).rounded_rect((x + inset, y + inset, x + 9 - inset, y + 9 - inset), 2.2).mask()


def frame(step):
    lit, trail = ORDER[step], ORDER[step - 1]
    picture = clear(SIZE)
    for name in CELLS:
        if name not in (lit, trail):
            paint(picture, (86, 100, 134, 150), _cell(name))
            paint(picture, (120, 136, 170, 60), _cell(name, 1.0))
    paint(picture, with_alpha(P.GOLD, 175), _cell(trail))
    paint(picture, with_alpha(P.GOLD_LIGHT, 120), blur(_cell(lit), 1.6))
    paint(picture, with_alpha(P.GOLD_LIGHT), _cell(lit))
    paint(picture, with_alpha(P.GOLD_PALE), _cell(lit, 2.0))
    return picture


def pictures():
    out = {275: texture()}
    for step in range(4):
        out[276 + step] = frame(step)
    return out
