"""The web login popup: its 690 x 513 background bitmap and its minimise and close buttons.

The popup is colour-keyed: pure green pixels are transparent. Only the four rounded corners use it,
with hard edges (a colour key has no partial transparency); the anti-aliased edge pixels are blended
towards the colour of the splash's well, which is what shows through the corners. The page covers
(0, 61) to (690, 513) once it has loaded; until then the body shows a quiet loading note."""
from PIL import Image

import buttons as B
import palette as P
from emblem import draw_emblem
from paint import Pen, clear, hgradient, paint, radial, text_mask, vgradient, with_alpha
from splash import WELL

SIZE = (690, 513)
HEADER = 61
RADIUS = 8


def _header(picture):
    band = Pen(SIZE).rect((0, 0, SIZE[0], HEADER)).mask()
    paint(picture, vgradient(SIZE, [(0, (40, 55, 88)), (HEADER / SIZE[1], (21, 31, 52))]), band)
    rule = Pen(SIZE).rect((0, HEADER - 1, SIZE[0], HEADER)).mask()
    paint(picture, hgradient(SIZE, [(0, with_alpha(P.GOLD, 60)), (0.3, with_alpha(P.GOLD_LIGHT,
                                                                                   220)),
                                    (1, with_alpha(P.GOLD, 40))]), rule)
    paint(picture, (0, 0, 0, 120), Pen(SIZE).rect((0, HEADER, SIZE[0], HEADER + 3)).mask())
    draw_emblem(picture, 36, 12, 37, glow_colour=(255, 200, 120, 60))
    title = text_mask(SIZE, (64, 29), "账号登录", P.font("sans-bold", 19), anchor="lm")
    paint(picture, (0, 0, 0, 170), title.transform(SIZE, Image.AFFINE, (1, 0, 0, 0, 1, -1)))
    paint(picture, vgradient(SIZE, [(18 / SIZE[1], P.GOLD_PALE), (40 / SIZE[1], P.GOLD)]), title)
    divider = Pen(SIZE).rect((150, 21, 151, 38)).mask()
    paint(picture, with_alpha(P.GOLD, 110), divider)
    welcome = text_mask(SIZE, (163, 30), "欢迎回到 Torvane", P.font("sans", 13), anchor="lm")
    paint(picture, P.CREAM_MUTED, welcome)


def _body(picture):
    body = Pen(SIZE).rect((0, HEADER, SIZE[0], SIZE[1])).mask()
    paint(picture, vgradient(SIZE, [(HEADER / SIZE[1], (19, 28, 48)), (1, (10, 15, 28))]), body)
    paint(picture, radial(SIZE, (345, 250), 300, (48, 64, 104, 70)), body)
    mark = clear(SIZE)
    draw_emblem(mark, 345, 196, 78, shadow=False)
    paint(picture, mark, Image.new("L", SIZE, 255), 0.22)
    note = text_mask(SIZE, (345, 306), "正在加载登录页面，请稍候……", P.font("sans", 14), "mm")
    paint(picture, P.CREAM_MUTED, note)


def background():
    picture = clear(SIZE)
    _header(picture)
    _body(picture)
    shape = Pen(SIZE).rounded_rect((0, 0, *SIZE), RADIUS).mask()
    ring = Pen(SIZE).rounded_rect((0, 0, *SIZE), RADIUS).rounded_rect(
        (1, 1, SIZE[0] - 1, SIZE[1] - 1), RADIUS - 1, 0).mask()
    paint(picture, with_alpha(P.GOLD, 190), ring)
    flat = Image.new("RGBA", SIZE, with_alpha(WELL))
    paint(flat, picture, shape)
    outside = shape.point(lambda v: 255 if v == 0 else 0)
    keyed = Image.composite(Image.new("RGBA", SIZE, with_alpha(P.COLOUR_KEY)), flat, outside)
    return keyed.convert("RGB")


def _button(glyph, state, danger):
    return B.glyph_button((29, 30), glyph, state, (1, 1, 27, 25), danger)


def pictures():
    out = {318: background()}
    for ids, glyph, danger in (((320, 321, 322), B.glyph_minimize, False),
                               ((323, 324, 325), B.glyph_close, True)):
        for pid, state in zip(ids, B.STATES):
            out[pid] = _button(glyph, state, danger)
    return out
