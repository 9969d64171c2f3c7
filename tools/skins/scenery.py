"""Procedural night scenery for the login splash: dusk sky, stars, moon, mountain ranges, mist,
pines, a castle and a beacon tower. Random shapes come from fixed seeds, so every run is the
same."""
import random

from PIL import Image, ImageChops

import palette as P
from paint import Pen, blur, glow, paint, radial, shift, vgradient


def sky(size):
    """Night above, dusk at the horizon."""
    return vgradient(size, [(0, (5, 8, 20)), (0.30, (13, 20, 46)), (0.55, (33, 35, 76)),
                            (0.68, (86, 62, 104)), (0.76, (178, 106, 92)), (0.83, (226, 152, 98)),
                            (1, (232, 166, 104))])


def stars(picture, box, count, seed):
    """Small stars in box, fainter towards its bottom, a few larger ones with a soft halo."""
    rng = random.Random(seed)
    x0, y0, x1, y1 = box
    size = picture.size
    dots = Image.new("L", size, 0)
    halos = Pen(size, scale=2)
    for i in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        depth = 1 - (y - y0) / (y1 - y0)
        level = round(rng.uniform(70, 255) * (0.35 + 0.65 * depth))
        dots.putpixel((int(x), int(y)), max(dots.getpixel((int(x), int(y))), level))
        if i % 23 == 0:
            r = rng.uniform(1.2, 2.0)
            halos.ellipse((x - r, y - r, x + r, y + r), round(level * 0.8))
            halos.stroke([(x - r * 2.6, y), (x + r * 2.6, y)], 0.5, round(level * 0.5))
            halos.stroke([(x, y - r * 2.6), (x, y + r * 2.6)], 0.5, round(level * 0.5))
    sparkle = ImageChops.lighter(dots, halos.mask())
    paint(picture, (236, 240, 255), blur(sparkle, 1.2), 0.6)
    paint(picture, (250, 250, 255), sparkle)


def moon(picture, centre, radius):
    cx, cy = centre
    size = picture.size
    paint(picture, radial(size, centre, radius * 5, (150, 160, 210, 70)), Image.new("L", size, 255))
    disc = Pen(size).ellipse((cx - radius, cy - radius, cx + radius, cy + radius))
    bite = radius * 0.82
    disc.ellipse((cx - bite + radius * 0.45, cy - bite - radius * 0.3,
                  cx + bite + radius * 0.45, cy + bite - radius * 0.3), 0)
    crescent = disc.mask()
    glow(picture, crescent, (255, 236, 190, 200), radius * 0.35)
    paint(picture, vgradient(size, [((cy - radius) / size[1], (255, 248, 226)),
                                    ((cy + radius) / size[1], (236, 206, 150))]), crescent)


def ridge(x0, x1, base, amplitude, seed, roughness=0.52, levels=8):
    """A mountain profile by midpoint displacement: a list of (x, y) from x0 to x1."""
    rng = random.Random(seed)
    n = 2 ** levels
    heights = [0.0] * (n + 1)
    heights[0], heights[n] = rng.uniform(-0.3, 0.6), rng.uniform(-0.3, 0.6)
    step, scale = n, 1.0
    while step > 1:
        half = step // 2
        for i in range(half, n, step):
            heights[i] = (heights[i - half] + heights[i + half]) / 2 + rng.uniform(-scale, scale)
        step, scale = half, scale * roughness
    return [(x0 + (x1 - x0) * i / n, base - amplitude * heights[i]) for i in range(n + 1)]


def fill_below(size, profile):
    """Mask of everything under a profile."""
    w, h = size
    points = [(profile[0][0], h + 2)] + profile + [(profile[-1][0], h + 2)]
    return Pen(size).polygon(points).mask()


def range_layer(picture, profile, top_colour, bottom_colour, rim_colour=None, top=None):
    size = picture.size
    mask = fill_below(size, profile)
    peak = min(y for _, y in profile) if top is None else top
    paint(picture, vgradient(size, [(peak / size[1], top_colour), (1, bottom_colour)]), mask)
    if rim_colour:
        rim = ImageChops.subtract(mask, shift(mask, 0, 2))
        paint(picture, rim_colour, rim)
    return mask


def mist(picture, y, thickness, colour, x0=0, x1=None):
    size = picture.size
    x1 = size[0] if x1 is None else x1
    band = Pen(size, scale=1).rect((x0, y - thickness / 2, x1, y + thickness / 2)).mask()
    paint(picture, colour, blur(band, thickness * 0.6))


def pines(picture, profile, count, seed, colour, height=(10, 26), xs=None):
    """Fir silhouettes standing on a profile."""
    rng = random.Random(seed)
    size = picture.size
    pen = Pen(size)
    spots = xs if xs is not None else [rng.uniform(profile[0][0], profile[-1][0]) for _ in
                                       range(count)]
    for x in spots:
        ground = height_at(profile, x) + 3
        tall = rng.uniform(*height)
        for tier in range(3):
            top = ground - tall + tier * tall * 0.22
            half = tall * (0.18 + tier * 0.07)
            pen.polygon([(x, top), (x + half, top + tall * 0.45), (x - half, top + tall * 0.45)])
        pen.rect((x - 0.8, ground - tall * 0.2, x + 0.8, ground + 2))
    paint(picture, colour, pen.mask())


def height_at(profile, x):
    for (xa, ya), (xb, yb) in zip(profile, profile[1:]):
        if xa <= x <= xb:
            return ya + (yb - ya) * (x - xa) / max(xb - xa, 1e-9)
    return profile[-1][1]


def _tower(pen, x0, x1, top, bottom, roof_height, merlons=False):
    pen.rect((x0, top, x1, bottom))
    overhang = (x1 - x0) * 0.12
    cx = (x0 + x1) / 2
    pen.polygon([(x0 - overhang, top + 1), (x1 + overhang, top + 1), (cx, top - roof_height)])
    if merlons:
        _merlons(pen, x0, x1, top)


def _merlons(pen, x0, x1, top, width=5, gap=4):
    x = x0
    while x + width <= x1 + 0.01:
        pen.rect((x, top - 5, x + width, top + 1))
        x += width + gap


def castle(picture, centre_x, ground, zoom):
    """A castle: a keep with a tall spire, towers, walls with merlons, lit windows and a pennant,
    lit from behind by the dusk. Drawn in a local frame whose keep stands at x 188 on ground 640."""
    size = picture.size
    origin = (centre_x - 188 * zoom, ground - 640 * zoom)

    def pen():
        return Pen(size).place(origin, zoom)

    body = pen()
    _tower(body, 150, 226, 330, 640, 92)
    _tower(body, 82, 120, 392, 640, 58)
    _tower(body, 250, 292, 368, 640, 66)
    _tower(body, 36, 60, 470, 640, 40)
    for x0, x1, top in ((120, 150, 452), (226, 250, 444), (60, 82, 492), (292, 332, 486)):
        body.rect((x0, top, x1, 640))
        _merlons(body, x0 + 1, x1, top)
    body.rect((140, 322, 236, 334))  # the keep's gallery
    _merlons(body, 141, 236, 322, 6, 4)
    body.stroke([(188, 238), (188, 212)], 1.4)  # flagpole
    body = body.mask()
    top_y, bottom_y = origin[1] + 212 * zoom, ground
    paint(picture, vgradient(size, [(top_y / size[1], (44, 40, 76)),
                                    (bottom_y / size[1], (16, 17, 36))]), body)
    paint(picture, (255, 178, 120, 120), ImageChops.subtract(body, shift(body, 2, 1)))
    flag = pen().polygon([(188.7, 212), (214, 218), (204, 221), (214, 225), (188.7, 228)])
    paint(picture, P.GOLD, flag.mask())
    windows = pen()
    for x0, y0, x1, y1 in ((183, 372, 193, 392), (166, 436, 174, 448), (202, 436, 210, 448),
                           (184, 490, 192, 502), (97, 424, 105, 436), (267, 402, 275, 414),
                           (45, 500, 51, 508), (128, 480, 133, 487), (233, 474, 238, 481),
                           (101, 470, 106, 478), (271, 444, 276, 452), (310, 512, 315, 519)):
        windows.rounded_rect((x0, y0, x1, y1), (x1 - x0) / 2)
    lit = windows.mask()
    glow(picture, lit, (255, 170, 80, 255), 5, 1.2)
    paint(picture, P.EMBER, lit)


def beacon_tower(picture, x, ground, height):
    """A slender watchtower with a fire on top, far away to the right."""
    size = picture.size
    pen = Pen(size)
    top = ground - height
    pen.polygon([(x - 9, ground), (x - 5, top), (x + 5, top), (x + 9, ground)])
    pen.rect((x - 8, top - 8, x + 8, top))
    _merlons(pen, x - 8, x + 8, top - 8, 4, 2)
    body = pen.mask()
    paint(picture, (18, 20, 40), body)
    paint(picture, (255, 178, 120, 90), ImageChops.subtract(body, shift(body, 1, 1)))
    fire = Pen(size).ellipse((x - 3, top - 14, x + 3, top - 8)).mask()
    paint(picture, radial(size, (x, top - 11), 44, (255, 190, 100, 110)), Image.new("L", size, 255))
    glow(picture, fire, (255, 170, 80, 255), 4, 1.5)
    paint(picture, (255, 230, 170), fire)
    slit = Pen(size).rounded_rect((x - 1.5, top + height * 0.3, x + 1.5, top + height * 0.3 + 7),
                                  1.5).mask()
    paint(picture, P.EMBER, slit)


def vignette(picture, strength=150):
    size = picture.size
    w, h = size
    shade = radial(size, (w / 2, h * 0.45), max(w, h) * 0.75, (0, 0, 0, 0), (0, 0, 0, strength),
                   falloff=2.2)
    paint(picture, shade, Image.new("L", size, 255))

