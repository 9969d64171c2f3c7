"""The custom message box: background with a title band and frame, OK and Cancel, the close cross.

The box is 253 x 106 and shows the top-left of its 256 x 110 background; the program writes the
title centred in x 85..185 (white, bold) and the message in x 28..248, y 33..63."""
from PIL import Image

import buttons as B
import palette as P
from paint import (Pen, clear, darken, hgradient, paint, radial, shift, text_mask, vgradient,
                   with_alpha)

SIZE = (256, 110)
VISIBLE = (253, 106)
TITLE_BAND = 30
AXIS = 135  # centre of the title's layout rectangle, which the buttons also straddle


def background():
    w, h = VISIBLE
    picture = vgradient(SIZE, [(0, (22, 32, 54)), (1, (11, 17, 31))])
    paint(picture, radial(SIZE, (AXIS, 40), 150, (58, 74, 110, 90)), Image.new("L", SIZE, 255))
    band = Pen(SIZE).rect((0, 0, w, TITLE_BAND)).mask()
    paint(picture, vgradient(SIZE, [(0, (46, 62, 96)), (TITLE_BAND / SIZE[1], (24, 35, 58))]), band)
    # A gold rule under the title band, brightest under the title.
    rule = Pen(SIZE).rect((1, TITLE_BAND, w - 1, TITLE_BAND + 1)).mask()
    glint = hgradient(SIZE, [(0, with_alpha(P.GOLD, 40)), (AXIS / SIZE[0], with_alpha(P.GOLD_LIGHT,
                                                                                     230)),
                             (w / SIZE[0], with_alpha(P.GOLD, 40))])
    paint(picture, glint, rule)
    paint(picture, (0, 0, 0, 90), Pen(SIZE).rect((1, TITLE_BAND + 1, w - 1, TITLE_BAND + 3)).mask())
    _title_ornaments(picture)
    # The frame: a gold hairline on the window's edge and a faint light line inside it.
    frame = Pen(SIZE).rect((0, 0, w, h)).rect((1, 1, w - 1, h - 1), 0).mask()
    paint(picture, with_alpha(P.GOLD_DEEP), frame)
    inner = Pen(SIZE).rect((1, 1, w - 1, h - 1)).rect((2, 2, w - 2, h - 2), 0).mask()
    paint(picture, (255, 255, 255, 18), inner)
    # Beyond the window's edge the picture is never shown; keep it the frame's colour.
    outside = Pen(SIZE).rect((0, 0, *SIZE)).rect((0, 0, w, h), 0).mask()
    paint(picture, with_alpha(P.GOLD_DEEP), outside)
    return picture


def _title_ornaments(picture):
    """Gold rules with a diamond at their inner end, on both sides of the title."""
    y = 16
    for outer_x, inner_x in ((48, 80), (AXIS * 2 - 48, AXIS * 2 - 80)):
        lo, hi = sorted((outer_x, inner_x))
        fade = [(lo / SIZE[0], with_alpha(P.GOLD, 0)), (hi / SIZE[0], with_alpha(P.GOLD, 200))]
        if outer_x > inner_x:
            fade = [(lo / SIZE[0], with_alpha(P.GOLD, 200)), (hi / SIZE[0], with_alpha(P.GOLD, 0))]
        paint(picture, hgradient(SIZE, fade), Pen(SIZE).rect((lo, y - 0.5, hi, y + 0.5)).mask())
        d = 2.8
        diamond = Pen(SIZE).polygon([(inner_x, y - d), (inner_x + d, y), (inner_x, y + d),
                                     (inner_x - d, y)]).mask()
        paint(picture, with_alpha(P.GOLD_LIGHT), diamond)


def _dialog_button(caption, top, bottom, rim, ink, factor, moved, bright_rim=None):
    size = (82, 34)
    picture = clear(size)
    style = B.PlateStyle(top, bottom, rim, (255, 255, 255, 60), ink, ink)
    # A soft shadow row under the plate, then the plate itself.
    paint(picture, (0, 0, 0, 110), Pen(size).rounded_rect((1, 2, 81, 34), 5).mask())
    B.draw_plate(picture, (0, 0, 82, 33), 5, style)
    if bright_rim:
        ring = Pen(size).rounded_rect((0, 0, 82, 33), 5).rounded_rect((1, 1, 81, 32), 4, 0).mask()
        paint(picture, bright_rim, ring)
    if factor != 1.0:
        picture = darken(picture, factor)
    text = text_mask(size, (41, 16), caption, P.font("sans-bold", 14), anchor="mm")
    nudge = 1 if moved else 0
    paint(picture, ink, shift(text, nudge, nudge))
    return picture


def ok_button(active):
    return _dialog_button("确定", with_alpha(P.GOLD_LIGHT), with_alpha(P.GOLD_DEEP),
                          with_alpha(P.GOLD_SHADOW), (26, 22, 14), 0.92 if active else 1.0, active,
                          with_alpha(P.GOLD_PALE) if active else None)


def cancel_button(active):
    return _dialog_button("取消", (52, 70, 106, 255), (26, 37, 62, 255), with_alpha(P.GOLD, 170),
                          P.CREAM, 0.86 if active else 1.0, active,
                          with_alpha(P.GOLD_LIGHT, 230) if active else None)


def close_cross():
    size = (11, 10)
    picture = clear(size)
    pen = Pen(size)
    B.glyph_close(pen, 5.5, 5, half=3.6, width=1.6)
    paint(picture, P.GOLD_PALE, pen.mask())
    return picture


def pictures():
    return {304: background(), 314: ok_button(False), 313: ok_button(True),
            312: cancel_button(False), 311: cancel_button(True), 316: close_cross()}
