"""The main frame's caption strip (left end, middle tile, right end) and its nine buttons."""
from PIL import Image

import buttons as B
import icons
import palette as P
from emblem import draw_emblem
from paint import Pen, hgradient, paint, text_mask, vgradient, with_alpha

HEIGHT = 30


def strip_column(height=HEIGHT):
    """The strip's colour from top to bottom: a lit top edge, a navy body, a gold foot line."""
    rows = [(58, 76, 110)]
    body = vgradient((1, height - 3), [(0, (32, 45, 72)), (1, (15, 22, 39))])
    rows += [body.getpixel((0, y))[:3] for y in range(height - 3)]
    rows += [(8, 12, 22), (126, 98, 54)]
    column = Image.new("RGBA", (1, height))
    column.putdata([with_alpha(c) for c in rows])
    return column


def plain_strip(width):
    return strip_column().resize((width, HEIGHT), Image.NEAREST)


def caption_left():
    picture = plain_strip(203)
    size = picture.size
    panel = Pen(size).polygon([(0, 0), (176, 0), (162, 28), (0, 28)]).mask()
    lighter = hgradient(size, [(0, (44, 60, 94, 255)), (0.85, (30, 42, 68, 0))])
    paint(picture, lighter, panel)
    edge = Pen(size).stroke([(176, 0.5), (162, 28)], 1.0).mask()
    paint(picture, vgradient(size, [(0, with_alpha(P.GOLD, 170)), (1, with_alpha(P.GOLD, 30))]),
          edge)
    draw_emblem(picture, 18, 3.5, 22, glow_colour=(255, 210, 130, 60))
    title = text_mask(size, (35, 15), "Torvane登录器", P.font("sans-bold", 13), anchor="lm")
    paint(picture, (0, 0, 0, 160), title.transform(size, Image.AFFINE, (1, 0, 0, 0, 1, -1)))
    paint(picture, vgradient(size, [(0.25, P.GOLD_PALE), (0.75, P.GOLD)]), title)
    return picture


def caption_middle():
    return plain_strip(1)


def caption_right():
    picture = plain_strip(92)
    size = picture.size
    panel = Pen(size).polygon([(12, 1), (92, 1), (92, 28), (4, 28)]).mask()
    paint(picture, (5, 9, 18, 110), panel)
    edge = Pen(size).stroke([(12, 1), (4, 28)], 1.0).mask()
    paint(picture, vgradient(size, [(0, with_alpha(P.GOLD, 40)), (1, with_alpha(P.GOLD, 150))]),
          edge)
    return picture


# The caption buttons: picture size and the plate inside it. The refresh and clean-cache buttons
# overlap by 4 pixels on the frame, so their plates leave that overlap transparent.
TEXT_BUTTONS = {
    "fullscreen": ((224, 214, 234), (59, 24), (0, 0, 59, 24), icons.fullscreen, "全屏"),
    "bosskey": ((223, 215, 233), (97, 24), (0, 0, 97, 24), icons.boss_key, "老板键"),
    "cleancache": ((252, 253, 261), (78, 24), (4, 0, 78, 24), icons.clean_cache, "清除缓存"),
    "refresh": ((226, 219, 236), (78, 24), (0, 0, 72, 24), icons.refresh, "刷新"),
    "reselect": ((211, 212, 231), (59, 24), (0, 0, 59, 24), icons.reselect, "选服"),
}

GLYPH_BUTTONS = {
    "close": ((207, 208, 227), B.glyph_close, True),
    "maximize": ((220, 213, 228), B.glyph_maximize, False),
    "restore": ((221, 217, 229), B.glyph_restore, False),
    "minimize": ((209, 210, 230), B.glyph_minimize, False),
}


def pictures():
    out = {203: caption_left(), 172: caption_middle(), 206: caption_right()}
    for ids, size, plate, icon, caption in TEXT_BUTTONS.values():
        for pid, state in zip(ids, B.STATES):
            out[pid] = B.caption_button(size, plate, icon, caption, state)
    for ids, glyph, danger in GLYPH_BUTTONS.values():
        for pid, state in zip(ids, B.STATES):
            out[pid] = B.glyph_button((28, 26), glyph, state, (1, 1, 27, 25), danger)
    return out
