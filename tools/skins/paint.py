"""Drawing primitives: anti-aliased masks by supersampling, gradients, painting through masks,
crisp text, glows and shadows. Everything is deterministic: no randomness, no clocks.
"""
from PIL import Image, ImageChops, ImageDraw, ImageFilter

SUPERSAMPLE = 4


class Pen:
    """Draws shapes into a coverage mask ('L') in picture coordinates, at SUPERSAMPLE times the
    resolution; mask() scales it down so that edges are anti-aliased."""

    def __init__(self, size, scale=SUPERSAMPLE):
        self.size = size
        self.scale = scale
        self.image = Image.new("L", (size[0] * scale, size[1] * scale), 0)
        self.draw = ImageDraw.Draw(self.image)
        self.zoom, self.origin = 1.0, (0.0, 0.0)

    def place(self, origin, zoom):
        """Later shapes are given in a local frame: picture = origin + zoom * local."""
        self.origin, self.zoom = origin, zoom
        return self

    def _xy(self, x, y):
        return ((self.origin[0] + x * self.zoom) * self.scale,
                (self.origin[1] + y * self.zoom) * self.scale)

    def _points(self, points):
        return [self._xy(x, y) for x, y in points]

    def _box(self, box):
        x0, y0 = self._xy(box[0], box[1])
        x1, y1 = self._xy(box[2], box[3])
        return (x0, y0, x1 - 1, y1 - 1)

    def rect(self, box, value=255):
        self.draw.rectangle(self._box(box), fill=value)
        return self

    def rounded_rect(self, box, radius, value=255):
        self.draw.rounded_rectangle(self._box(box), radius=radius * self.zoom * self.scale,
                                    fill=value)
        return self

    def ellipse(self, box, value=255):
        self.draw.ellipse(self._box(box), fill=value)
        return self

    def polygon(self, points, value=255):
        self.draw.polygon(self._points(points), fill=value)
        return self

    def stroke(self, points, width, value=255):
        """A polyline with round caps and joints."""
        w = width * self.zoom * self.scale
        self.draw.line(self._points(points), fill=value, width=max(1, round(w)), joint="curve")
        r = width / 2
        for x, y in (points[0], points[-1]):
            self.ellipse((x - r, y - r, x + r, y + r), value)
        return self

    def arc(self, box, start, end, width, value=255):
        self.draw.arc(self._box(box), start, end, fill=value,
                      width=max(1, round(width * self.zoom * self.scale)))
        return self

    def mask(self):
        return self.image.resize(self.size, Image.BOX)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def with_alpha(colour, alpha=255):
    return tuple(colour[:3]) + (alpha,)


def _ramp(length, stops):
    """Colours along a line: stops are (position 0..1, RGB or RGBA), in order."""
    stops = [(t, with_alpha(c) if len(c) == 3 else tuple(c)) for t, c in stops]
    out = []
    for i in range(length):
        t = (i + 0.5) / length
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t <= t1 or (t1, c1) == stops[-1]:
                span = max(t1 - t0, 1e-9)
                out.append(lerp(c0, c1, min(max((t - t0) / span, 0.0), 1.0)))
                break
    return out


def vgradient(size, stops):
    column = Image.new("RGBA", (1, size[1]))
    column.putdata(_ramp(size[1], stops))
    return column.resize(size, Image.NEAREST)


def hgradient(size, stops):
    row = Image.new("RGBA", (size[0], 1))
    row.putdata(_ramp(size[0], stops))
    return row.resize(size, Image.NEAREST)


def solid(size, colour):
    return Image.new("RGBA", size, with_alpha(colour) if len(colour) == 3 else colour)


def scale_mask(mask, factor):
    return mask.point(lambda v: round(v * factor))


def paint(base, fill, mask, opacity=1.0):
    """Composites a fill (an RGBA picture of the base's size, or a colour) over base through a
    coverage mask, in place."""
    if not isinstance(fill, Image.Image):
        fill = solid(base.size, fill)
    alpha = ImageChops.multiply(fill.getchannel("A"), mask)
    if opacity != 1.0:
        alpha = scale_mask(alpha, opacity)
    layer = fill.copy()
    layer.putalpha(alpha)
    base.alpha_composite(layer)


def text_mask(size, xy, text, face, anchor="la", tracking=0.0, stroke=0):
    """Coverage of text drawn at its native size (crisp hinted glyphs). tracking adds pixels
    between letters; stroke widens the outline (for borders and glows)."""
    mask = Image.new("L", size, 0)
    draw = ImageDraw.Draw(mask)
    if not tracking:
        draw.text(xy, text, font=face, fill=255, anchor=anchor, stroke_width=stroke,
                  stroke_fill=255)
        return mask
    width = text_width(text, face, tracking)
    x, y = xy
    if anchor[0] == "m":
        x -= width / 2
    elif anchor[0] == "r":
        x -= width
    for ch in text:
        draw.text((round(x), y), ch, font=face, fill=255, anchor="l" + anchor[1],
                  stroke_width=stroke, stroke_fill=255)
        x += face.getlength(ch) + tracking
    return mask


def text_width(text, face, tracking=0.0):
    return sum(face.getlength(ch) for ch in text) + tracking * (len(text) - 1)


def blur(mask, radius):
    return mask.filter(ImageFilter.GaussianBlur(radius))


def shift(picture, dx, dy):
    """Moves a picture by whole pixels; what moves out is lost, what comes in is empty."""
    if not (dx or dy):
        return picture
    return picture.transform(picture.size, Image.AFFINE, (1, 0, -dx, 0, 1, -dy))


def glow(base, mask, colour, radius, strength=1.0):
    """A soft light around a shape (or a shadow, with a dark colour)."""
    soft = blur(mask, radius)
    if strength != 1.0:
        soft = soft.point(lambda v: min(255, round(v * strength)))
    paint(base, colour, soft)


def radial(size, centre, radius, inner, outer=None, falloff=1.0):
    """A radial gradient picture: inner colour at the centre fading to outer (default: the inner
    colour, fully transparent) at radius."""
    inner = with_alpha(inner) if len(inner) == 3 else tuple(inner)
    outer = outer or inner[:3] + (0,)
    ramp = Image.new("RGBA", (256, 1))
    ramp.putdata([lerp(inner, outer, (i / 255) ** falloff) for i in range(256)])
    # radial_gradient reaches 255 in its corners; rescale so that 255 falls on the inscribed circle.
    distance = Image.radial_gradient("L").point(lambda v: min(255, round(v * 255 / 181)))
    distance = distance.resize((round(radius * 2),) * 2, Image.BILINEAR)
    full = Image.new("L", size, 255)
    full.paste(distance, (round(centre[0] - radius), round(centre[1] - radius)))
    # Map distance (0 at the centre, 255 at the radius) through the ramp, channel by channel.
    channels = [full.point([ramp.getpixel((i, 0))[c] for i in range(256)]) for c in range(4)]
    return Image.merge("RGBA", channels)


def darken(picture, factor):
    """Scales the colour channels (alpha unchanged)."""
    r, g, b, a = picture.split()
    r, g, b = (ch.point(lambda v: min(255, round(v * factor))) for ch in (r, g, b))
    return Image.merge("RGBA", (r, g, b, a))


def hover_matrix(picture):
    """What the skinned button does to a hover picture: colour times 1.05 plus 0.05."""
    r, g, b, a = picture.split()
    r, g, b = (ch.point(lambda v: min(255, round(v * 1.05 + 0.05 * 255))) for ch in (r, g, b))
    return Image.merge("RGBA", (r, g, b, a))


def clear(size):
    return Image.new("RGBA", size, (0, 0, 0, 0))
