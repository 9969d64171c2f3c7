"""The application icon (window, taskbar and tray): the crest on its own, drawn afresh for each size
so that the small sizes stay sharp."""
from emblem import draw_emblem
from inventory import ICON_SIZES
from paint import clear


def icon(size):
    picture = clear((size, size))
    height = size * 0.97 if size <= 16 else size * 0.92
    top = (size - height) / 2
    draw_emblem(picture, size / 2, top, height, shadow=size >= 48)
    return picture


def pictures():
    return {273: {size: icon(size) for size in ICON_SIZES}}
