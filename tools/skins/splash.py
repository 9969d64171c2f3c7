"""The login window's splash (1174 x 686, per-pixel alpha): a night landscape on a rounded card
with a soft shadow, the crest rising above the card's top edge, the logo in the left column, and
a plain framed well where the login popup sits (it covers (365, 73) to (1055, 586) exactly)."""
from PIL import Image

import palette as P
import scenery as S
from emblem import draw_emblem
from paint import (Pen, blur, clear, glow, hgradient, paint, radial, shift, text_mask, text_width,
                   vgradient, with_alpha)

SIZE = (1174, 686)
CARD = (14, 34, 1160, 672)
CARD_RADIUS = 18
POPUP = (365, 73, 1055, 586)
WELL = (10, 15, 28)  # the well's colour, which the popup's rounded corners let through
LOGO_X = 190


def _expand(box, d):
    x0, y0, x1, y1 = box
    return (x0 - d, y0 - d, x1 + d, y1 + d)


def landscape():
    art = S.sky(SIZE)
    S.stars(art, (CARD[0], CARD[1], CARD[2], 470), 430, seed=7)
    S.moon(art, (1106, 126), 19)
    paint(art, radial(SIZE, (LOGO_X, 150), 230, (70, 92, 160, 95)), Image.new("L", SIZE, 255))
    far = S.ridge(0, SIZE[0], 505, 120, seed=3)
    S.range_layer(art, far, (96, 76, 124), (56, 50, 96), rim_colour=(255, 196, 150, 80))
    S.mist(art, 528, 30, (214, 170, 200, 48))
    mid = S.ridge(0, SIZE[0], 566, 84, seed=11)
    # The watchtower stands behind the middle range, which hides its foot.
    S.beacon_tower(art, 1104, S.height_at(mid, 1104) + 24, 110)
    S.range_layer(art, mid, (50, 44, 88), (28, 28, 58), rim_colour=(255, 176, 136, 70))
    S.mist(art, 592, 34, (190, 150, 200, 40))
    S.castle(art, LOGO_X, 632, 0.8)
    S.mist(art, 612, 26, (200, 160, 200, 46), 0, 420)
    near = [(x, min(y, 604 + ((x - LOGO_X) / 230) ** 2 * 40)) for x, y in
            S.ridge(0, SIZE[0], 650, 26, seed=19)]
    S.range_layer(art, near, (18, 19, 38), (6, 8, 16), rim_colour=(255, 160, 120, 35))
    S.pines(art, near, 0, 23, (9, 11, 22), (14, 30),
            xs=[22, 31, 340, 352, 362, 1068, 1080, 1092, 1130, 1142])
    S.vignette(art, 120)
    return art


def card_mask(inset=0):
    return Pen(SIZE).rounded_rect(_expand(CARD, -inset), CARD_RADIUS - inset).mask()


def popup_well(picture):
    """A plain well for the popup, set into the scene with a shadow and a gold hairline."""
    outer = _expand(POPUP, 5)
    glow(picture, Pen(SIZE).rect(_expand(POPUP, 6)).mask(), (0, 0, 0, 255), 14, 1.3)
    paint(picture, WELL, Pen(SIZE).rect(outer).mask())
    hairline = Pen(SIZE).rect(outer).rect(_expand(outer, -1), 0).mask()
    paint(picture, with_alpha(P.GOLD, 150), hairline)
    brackets = Pen(SIZE)
    x0, y0, x1, y1 = _expand(outer, 2)
    arm = 22
    for cx, dx in ((x0, 1), (x1, -1)):
        for cy, dy in ((y0, 1), (y1, -1)):
            brackets.stroke([(cx + dx * arm, cy), (cx, cy), (cx, cy + dy * arm)], 2.0)
    paint(picture, with_alpha(P.GOLD_LIGHT), brackets.mask())


def logo(picture):
    face = P.font("serif-bold", 58)
    word = "Torvane"
    centre = (LOGO_X, 126)
    outline = text_mask(SIZE, centre, word, face, anchor="mm", tracking=4, stroke=3)
    fill = text_mask(SIZE, centre, word, face, anchor="mm", tracking=4)
    glow(picture, outline, (255, 196, 110, 255), 16, 0.7)
    paint(picture, (8, 10, 22, 235), outline)
    paint(picture, vgradient(SIZE, [(100 / SIZE[1], P.GOLD_PALE), (124 / SIZE[1], P.GOLD_LIGHT),
                                    (150 / SIZE[1], P.GOLD_DEEP)]), fill)
    title_face = P.font("sans", 19)
    title = "Torvane登录器"
    y = 180
    paint(picture, (0, 0, 0, 200),
          blur(text_mask(SIZE, (LOGO_X, y + 1), title, title_face, "mm", 3), 1.5))
    paint(picture, P.CREAM, text_mask(SIZE, (LOGO_X, y), title, title_face, "mm", tracking=3))
    half = text_width(title, title_face, 3) / 2
    for sign in (-1, 1):
        near_x, far_x = LOGO_X + sign * (half + 12), LOGO_X + sign * (half + 62)
        lo, hi = sorted((near_x, far_x))
        strong, faint = with_alpha(P.GOLD, 220), with_alpha(P.GOLD, 0)
        ramp = [(lo / SIZE[0], faint if sign < 0 else strong),
                (hi / SIZE[0], strong if sign < 0 else faint)]
        paint(picture, hgradient(SIZE, ramp), Pen(SIZE).rect((lo, y - 0.5, hi, y + 0.5)).mask())
        d = 3.2
        paint(picture, P.GOLD_LIGHT,
              Pen(SIZE).polygon([(near_x, y - d), (near_x + d, y), (near_x, y + d),
                                 (near_x - d, y)]).mask())


def splash():
    picture = clear(SIZE)
    card = card_mask()
    glow(picture, shift(card, 0, 6), (0, 0, 0, 200), 11)
    scene = landscape()
    popup_well(scene)
    logo(scene)
    paint(picture, scene, card)
    ring = Pen(SIZE).rounded_rect(CARD, CARD_RADIUS).rounded_rect(
        _expand(CARD, -1), CARD_RADIUS - 1, 0).mask()
    paint(picture, with_alpha(P.GOLD, 190), ring)
    inner = Pen(SIZE).rounded_rect(_expand(CARD, -1), CARD_RADIUS - 1).rounded_rect(
        _expand(CARD, -2), CARD_RADIUS - 2, 0).mask()
    paint(picture, (0, 0, 0, 150), inner)
    draw_emblem(picture, LOGO_X, 0, 80, glow_colour=(255, 200, 120, 90))
    return picture


def pictures():
    return {319: splash()}
