"""The launcher's crest: a gold-rimmed navy shield bearing a sword. Used by the icon, the caption
strip, the login splash and popup, so that every window carries the same mark."""
from PIL import ImageChops

from paint import Pen, glow, paint, radial, shift, vgradient
import palette as P


def _quad(p0, p1, p2, steps=24):
    out = []
    for i in range(1, steps + 1):
        t = i / steps
        a, b, c = (1 - t) ** 2, 2 * (1 - t) * t, t * t
        out.append((a * p0[0] + b * p1[0] + c * p2[0], a * p0[1] + b * p1[1] + c * p2[1]))
    return out


def shield_outline(cx, top, height, width):
    """A heater shield: a top edge with a shallow central peak, straight sides, curved to a tip."""
    half = width / 2
    shoulder = top + height * 0.44
    tip = (cx, top + height)
    left = [(cx - half, top + height * 0.06)] + [(cx - half, shoulder)]
    left += _quad((cx - half, shoulder), (cx - half, top + height * 0.80), tip)
    right = _quad(tip, (cx + half, top + height * 0.80), (cx + half, shoulder))
    right += [(cx + half, top + height * 0.06)]
    shoulder_y = top + height * 0.04
    peak = [(cx - half * 0.45, shoulder_y), (cx, top), (cx + half * 0.45, shoulder_y)]
    return left + right + list(reversed(peak))


def _sword(pen, cx, top, height, width, bold=False):
    """A sword pointing down; bold makes it heavier for the smallest sizes."""
    weight = 1.6 if bold else 1.0
    blade_w = width * 0.11 * weight
    guard_y = top + height * 0.34
    pen.polygon([(cx - blade_w / 2, guard_y), (cx + blade_w / 2, guard_y),
                 (cx + blade_w / 2, top + height * 0.72), (cx, top + height * 0.84),
                 (cx - blade_w / 2, top + height * 0.72)])
    guard_half = width * 0.26 * (1.15 if bold else 1.0)
    guard_h = height * 0.055 * weight
    pen.rounded_rect((cx - guard_half, guard_y - guard_h, cx + guard_half, guard_y), guard_h / 2)
    grip_w = width * 0.07 * weight
    pen.rect((cx - grip_w / 2, top + height * 0.19, cx + grip_w / 2, guard_y - guard_h))
    r = height * 0.05
    pen.ellipse((cx - r, top + height * 0.19 - 1.6 * r, cx + r, top + height * 0.19 + 0.4 * r))


def draw_emblem(base, cx, top, height, shadow=True, glow_colour=None):
    """Paints the crest onto base (RGBA) with the shield's top at 'top', centred on cx."""
    size = base.size
    width = height * 0.82
    small = height < 24
    rim = max(1.0, height * (0.1 if small else 0.07))
    outer = Pen(size).polygon(shield_outline(cx, top, height, width)).mask()
    inner = Pen(size).polygon(
        shield_outline(cx, top + rim, height - rim * 2.3, width - rim * 2)).mask()
    sword = Pen(size)
    _sword(sword, cx, top, height, width, bold=small)
    sword = sword.mask()
    if glow_colour:
        glow(base, outer, glow_colour, max(2, height * 0.12))
    if shadow:
        glow(base, shift(outer, 0, max(1, round(height * 0.04))), (0, 0, 0, 170),
             max(1, height * 0.05))
    gold = vgradient(size, [(0, P.GOLD_PALE), ((top + height * 0.5) / size[1], P.GOLD),
                            (min(1, (top + height) / size[1]), P.GOLD_SHADOW)])
    paint(base, gold, outer)
    field = vgradient(size, [(max(0, top / size[1]), P.SLATE_LIGHT),
                             (min(1, (top + height) / size[1]), P.NAVY_DEEP)])
    paint(base, field, inner)
    blade = vgradient(size, [(max(0, top / size[1]), P.GOLD_PALE),
                             (min(1, (top + height) / size[1]), P.GOLD_DEEP)])
    paint(base, blade, sword)
    if height >= 60:
        _details(base, cx, top, height, width, rim, outer, inner)


def _details(base, cx, top, height, width, rim, outer, inner):
    """What only shows at large sizes: a bevelled rim, a sheen on the field, the blade's fuller
    and a gem in the cross-guard."""
    size = base.size
    bevel = ImageChops.subtract(outer, shift(outer, 0, max(1, round(rim * 0.35))))
    paint(base, (255, 250, 225, 200), bevel)
    inner_edge = ImageChops.subtract(inner, shift(inner, 0, max(1, round(rim * 0.3))))
    paint(base, (0, 0, 0, 140), inner_edge)
    sheen = radial(size, (cx - width * 0.18, top + height * 0.22), height * 0.5,
                   (120, 150, 210, 70))
    paint(base, sheen, inner)
    fuller = Pen(size).stroke([(cx, top + height * 0.38), (cx, top + height * 0.70)],
                              max(1.0, width * 0.025)).mask()
    paint(base, (120, 84, 30, 170), fuller)
    guard_y = top + height * 0.34 - height * 0.0275
    r = height * 0.035
    gem = Pen(size).ellipse((cx - r, guard_y - r, cx + r, guard_y + r)).mask()
    paint(base, (150, 30, 40), gem)
    spark = Pen(size).ellipse((cx - r * 0.5, guard_y - r * 0.6, cx, guard_y - r * 0.1)).mask()
    paint(base, (255, 200, 200, 200), spark)
