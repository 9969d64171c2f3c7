"""Button pictures shared by the windows: plates with captions and icons, and window glyph buttons.

States: normal; hover lighter with a brighter rim; pressed darker with its content moved 1 pixel
right and down. The skinned button brightens hover pictures a little more on its own (colour times
1.05 plus 0.05), so the hover colours here stay moderate.
"""
from dataclasses import dataclass

from paint import Pen, clear, paint, shift, text_mask, text_width, vgradient, with_alpha
import palette as P

NORMAL, HOVER, PRESSED = "normal", "hover", "pressed"
STATES = (NORMAL, HOVER, PRESSED)


@dataclass(frozen=True)
class PlateStyle:
    top: tuple
    bottom: tuple
    rim: tuple
    sheen: tuple  # a hairline of light just inside the top edge
    ink: tuple  # caption colour
    icon: tuple


SLATE_PLATE = {
    NORMAL: PlateStyle((40, 55, 86, 190), (22, 32, 54, 190), with_alpha(P.GOLD, 95),
                       (255, 255, 255, 22), P.CREAM, P.GOLD_LIGHT),
    HOVER: PlateStyle((56, 76, 116, 235), (32, 46, 76, 235), with_alpha(P.GOLD_LIGHT, 210),
                      (255, 255, 255, 40), P.GOLD_PALE, P.GOLD_PALE),
    PRESSED: PlateStyle((14, 21, 37, 240), (26, 37, 62, 240), with_alpha(P.GOLD, 170),
                        (0, 0, 0, 0), P.CREAM, P.GOLD_LIGHT),
}


def draw_plate(picture, box, radius, style):
    """A rounded plate: vertical gradient, one-pixel rim, and a sheen under the top rim."""
    size = picture.size
    x0, y0, x1, y1 = box
    inner = Pen(size).rounded_rect((x0 + 1, y0 + 1, x1 - 1, y1 - 1), max(0, radius - 1)).mask()
    rim = Pen(size).rounded_rect(box, radius).rounded_rect(
        (x0 + 1, y0 + 1, x1 - 1, y1 - 1), max(0, radius - 1), 0).mask()
    fill = vgradient(size, [(y0 / size[1], style.top), (y1 / size[1], style.bottom)])
    paint(picture, fill, inner)
    paint(picture, style.rim, rim)
    if style.sheen[3]:
        sheen = Pen(size).rect((x0 + radius, y0 + 1, x1 - radius, y0 + 2)).mask()
        paint(picture, style.sheen, sheen)


def caption_content(size, icon, caption, centre_x, centre_y, face, gap=5):
    """Coverage masks of an icon (drawn by icon(pen, x, y, s)) followed by a caption, centred as a
    group on centre_x."""
    icon_size = 12
    width = icon_size + gap + text_width(caption, face)
    left = round(centre_x - width / 2)
    pen = Pen(size)
    icon(pen, left, round(centre_y - icon_size / 2), icon_size)
    text = text_mask(size, (left + icon_size + gap, round(centre_y)), caption, face, anchor="lm")
    return pen.mask(), text


def caption_button(size, plate_box, icon, caption, state, styles=SLATE_PLATE, radius=4):
    """A caption-strip button: plate, icon and caption."""
    style = styles[state]
    picture = clear(size)
    draw_plate(picture, plate_box, radius, style)
    x0, y0, x1, y1 = plate_box
    icon_mask, text = caption_content(size, icon, caption, (x0 + x1) / 2, (y0 + y1) / 2,
                                      P.font("sans", 12))
    nudge = 1 if state == PRESSED else 0
    paint(picture, style.icon, shift(icon_mask, nudge, nudge))
    paint(picture, style.ink, shift(text, nudge, nudge))
    return picture


GLYPH_PLATE = {
    NORMAL: None,
    HOVER: PlateStyle((255, 255, 255, 34), (255, 255, 255, 20), (255, 255, 255, 40),
                      (0, 0, 0, 0), P.GOLD_PALE, P.GOLD_PALE),
    PRESSED: PlateStyle((0, 0, 0, 90), (0, 0, 0, 60), with_alpha(P.GOLD, 110), (0, 0, 0, 0),
                        P.GOLD_LIGHT, P.GOLD_LIGHT),
}

DANGER_PLATE = {
    NORMAL: None,
    HOVER: PlateStyle(with_alpha((222, 78, 64)), with_alpha(P.RED), (255, 150, 130, 200),
                      (255, 255, 255, 50), P.WHITE, P.WHITE),
    PRESSED: PlateStyle(with_alpha(P.RED_DEEP), with_alpha((168, 44, 36)), (230, 110, 95, 200),
                        (0, 0, 0, 0), P.GOLD_PALE, P.GOLD_PALE),
}


def glyph_button(size, glyph, state, plate_box, danger=False, idle_ink=P.GOLD_LIGHT):
    """A window button (close, maximise, ...): a bare glyph, with a plate under the mouse."""
    styles = DANGER_PLATE if danger else GLYPH_PLATE
    style = styles[state]
    picture = clear(size)
    ink = idle_ink
    if style:
        draw_plate(picture, plate_box, 3, style)
        ink = style.icon
    x0, y0, x1, y1 = plate_box
    pen = Pen(size)
    glyph(pen, (x0 + x1) / 2, (y0 + y1) / 2)
    nudge = 1 if state == PRESSED else 0
    paint(picture, ink, shift(pen.mask(), nudge, nudge))
    return picture


# Window glyphs, drawn around a centre point.
def glyph_close(pen, cx, cy, half=4.5, width=1.5):
    pen.stroke([(cx - half, cy - half), (cx + half, cy + half)], width)
    pen.stroke([(cx - half, cy + half), (cx + half, cy - half)], width)


def glyph_minimize(pen, cx, cy):
    pen.stroke([(cx - 5, cy + 3), (cx + 5, cy + 3)], 1.6)


def _square(pen, x0, y0, x1, y1, width):
    pen.rect((x0, y0, x1, y1))
    pen.rect((x0 + width, y0 + width, x1 - width, y1 - width), 0)


def glyph_maximize(pen, cx, cy):
    _square(pen, cx - 5, cy - 5, cx + 5, cy + 5, 1.5)
    pen.rect((cx - 5, cy - 5, cx + 5, cy - 2.5))  # a heavier top edge, like a title bar


def glyph_restore(pen, cx, cy):
    _square(pen, cx - 2.5, cy - 5.5, cx + 5.5, cy + 2.5, 1.4)
    pen.rect((cx - 4.5, cy - 2.5, cx + 3.5, cy + 5.5), 0)
    _square(pen, cx - 5.5, cy - 2.5, cx + 2.5, cy + 5.5, 1.4)
    pen.rect((cx - 5.5, cy - 2.5, cx + 2.5, cy - 0.5))
