"""The theme: night navy and slate with gold, cream text; and the fonts (Debian's Noto CJK)."""
from functools import lru_cache

from PIL import ImageFont

# Navy and slate, darkest first.
INK = (7, 11, 22)
NAVY_DEEP = (11, 17, 32)
NAVY = (16, 25, 44)
SLATE = (28, 40, 64)
SLATE_LIGHT = (44, 60, 92)
SLATE_HIGH = (64, 84, 124)

# Gold, from shadow to highlight.
GOLD_SHADOW = (110, 78, 32)
GOLD_DEEP = (168, 122, 50)
GOLD = (201, 164, 92)
GOLD_LIGHT = (236, 205, 136)
GOLD_PALE = (255, 240, 196)

# Text.
CREAM = (240, 226, 190)
CREAM_MUTED = (170, 160, 140)
WHITE = (255, 255, 255)

# Warm lights in the night scene, and the red of a close button under the mouse.
EMBER = (255, 196, 110)
DUSK = (214, 132, 86)
RED = (200, 58, 48)
RED_DEEP = (140, 32, 28)

# Transparent colour of the login popup's colour key.
COLOUR_KEY = (0, 255, 0)

NOTO = "/usr/share/fonts/opentype/noto/"
_FACES = {
    "sans": ("NotoSansCJK-Regular.ttc", 2),  # index 2: Simplified Chinese forms
    "sans-bold": ("NotoSansCJK-Bold.ttc", 2),
    "serif-bold": ("NotoSerifCJK-Bold.ttc", 2),
}


@lru_cache(maxsize=None)
def font(face, size):
    file, index = _FACES[face]
    return ImageFont.truetype(NOTO + file, size, index=index)
