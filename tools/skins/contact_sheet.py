#!/usr/bin/python3
"""Composes pictures for looking at the skins (not committed): every picture on one sheet, and mocks
of the windows as the launcher composes them: the caption strip at 1280 pixels in its three button
looks, the login window with the popup's place in grey and with the popup itself, the message box
and the overlay.

Usage: contact_sheet.py [RESOURCES_FOLDER] [OUTPUT_FOLDER]   (default output: /tmp)
Writes skins_sheet.png, skins_strip.png, skins_login.png, skins_login_popup.png, skins_msgbox.png
and skins_overlay.png.
"""
import os
import re
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import palette as P  # noqa: E402
from paint import hover_matrix  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def load(resources):
    """id -> picture, from skins.rc (an icon gives its largest image)."""
    pictures = {}
    with open(os.path.join(resources, "skins.rc"), encoding="utf-8") as rc:
        for line in rc:
            match = re.match(r'^(\d+)\s+(PNG|BITMAP|ICON)\s+"([^"]+)"', line)
            if match:
                picture = Image.open(os.path.join(resources, match.group(3)))
                if match.group(2) == "ICON":
                    picture.size = max(picture.info["sizes"])
                pictures[int(match.group(1))] = picture.convert("RGBA")
    return pictures


def checker(size, step=8):
    board = Image.new("RGBA", size, (200, 200, 200, 255))
    draw = ImageDraw.Draw(board)
    for y in range(0, size[1], step):
        for x in range(0, size[0], step):
            if (x // step + y // step) % 2:
                draw.rectangle((x, y, x + step - 1, y + step - 1), fill=(160, 160, 160, 255))
    return board


def place_button(parent, picture, box, look):
    """What the skinned button shows: the parent's pixels behind it with the picture drawn at its
    own size from the top-left corner (hover pictures through the button's colour matrix)."""
    x, y, w, h = box
    under = parent.crop((x, y, x + w, y + h))
    drawn = hover_matrix(picture) if look == "hover" else picture
    layer = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    layer.paste(drawn.crop((0, 0, min(w, drawn.width), min(h, drawn.height))), (0, 0))
    parent.paste(Image.alpha_composite(under, layer), (x, y))


STRIP_BUTTONS = [  # (normal, hover, pressed), width, height, x from the right
    ((211, 212, 231), 59, 24, 522), ((226, 219, 236), 78, 24, 458), ((252, 253, 261), 85, 24, 384),
    ((223, 215, 233), 97, 24, 294), ((224, 214, 234), 85, 24, 192), ((209, 210, 230), 28, 26, 86),
    ((221, 217, 229), 28, 26, 57), ((207, 208, 227), 28, 26, 28)]


def strip(pictures, width, look):
    row = Image.new("RGBA", (width, 30))
    row.paste(pictures[203], (0, 0))
    for x in range(203, width - 92):
        row.paste(pictures[172], (x, 0))
    row.paste(pictures[206], (width - 92, 0))
    index = {"normal": 0, "hover": 1, "pressed": 2}[look]
    for ids, w, h, from_right in STRIP_BUTTONS:
        place_button(row, pictures[ids[index]], (width - from_right, 3, w, h), look)
    return row


def strip_mock(pictures):
    """The strip at 1280 pixels in the normal, hover and pressed looks, then its right part and its
    left end at twice the size."""
    rows = [strip(pictures, 1280, look) for look in ("normal", "hover", "pressed")]
    page = Image.new("RGBA", (1280, 3 * 34 + 3 * 64 + 64 + 8), (235, 235, 235, 255))
    for i, row in enumerate(rows):
        page.paste(row, (0, i * 34))
        zoom = row.crop((1280 - 640, 0, 1280, 30)).resize((1280, 60), Image.NEAREST)
        page.paste(zoom, (0, 3 * 34 + i * 64))
    left = rows[0].crop((0, 0, 640, 30)).resize((1280, 60), Image.NEAREST)
    page.paste(left, (0, 3 * 34 + 3 * 64))
    return page


def desktop(size):
    page = Image.new("RGBA", size, (92, 112, 128, 255))
    draw = ImageDraw.Draw(page)
    for y in range(size[1]):
        t = y / size[1]
        draw.line((0, y, size[0], y), fill=(round(70 + 60 * t), round(96 + 40 * t),
                                            round(124 + 20 * t), 255))
    return page


def login_mock(pictures, with_popup):
    page = desktop((1274, 786))
    origin = (50, 50)
    page.alpha_composite(pictures[319], origin)
    px, py = origin[0] + 365, origin[1] + 73
    if not with_popup:
        page.paste((128, 128, 128, 255), (px, py, px + 690, py + 513))
        return page
    popup = pictures[318].convert("RGB")
    under = page.crop((px, py, px + 690, py + 513))
    keyed = Image.new("L", popup.size, 0)
    keyed.putdata([0 if p == P.COLOUR_KEY else 250 for p in popup.getdata()])
    popup_layer = popup.convert("RGBA")
    place_button(popup_layer, pictures[323], (633, 0, 28, 26), "normal")
    place_button(popup_layer, pictures[320], (605, 0, 28, 28), "normal")
    popup_layer.putalpha(keyed)
    page.paste(Image.alpha_composite(under, popup_layer), (px, py))
    draw = ImageDraw.Draw(page)
    draw.text((origin[0] + 1114, origin[1] + 653), "1.0.0.1", font=P.font("sans", 10),
              fill=(0xCB, 0xAE, 0x5B, 255))
    return page


def msgbox_mock(pictures, look):
    box = Image.new("RGBA", (253, 106))
    box.paste(pictures[304].crop((0, 0, 253, 106)), (0, 0))
    draw = ImageDraw.Draw(box)
    draw.text((135, 7), "关闭提示", font=P.font("sans-bold", 13), fill=(255, 255, 255, 255),
              anchor="ma")
    draw.text((138, 33), "是否退出Torvane登录器？", font=P.font("sans", 11),
              fill=(255, 236, 247, 255), anchor="ma")
    ok, cancel = {"normal": (314, 312), "hover": (313, 311), "pressed": (313, 311)}[look]
    place_button(box, pictures[316], (228, 10, 28, 26), look)
    place_button(box, pictures[ok], (45, 61, 82, 34), look)
    place_button(box, pictures[cancel], (137, 61, 82, 34), look)
    return box


def msgbox_sheet(pictures):
    page = Image.new("RGBA", (3 * 530, 240), (90, 100, 115, 255))
    for i, look in enumerate(("normal", "hover", "pressed")):
        mock = msgbox_mock(pictures, look).resize((506, 212), Image.NEAREST)
        page.paste(mock, (i * 530 + 12, 14))
    return page


def overlay_mock(pictures):
    w, h = 420, 260
    page = Image.new("RGBA", (w * 4 + 30, h + 20), (40, 40, 40, 255))
    for step in range(4):
        sheet = Image.new("RGBA", (w, h), (255, 255, 255, 255))
        tile = pictures[275].resize((w, h), Image.NEAREST)
        sheet.alpha_composite(tile)
        frame = pictures[276 + step]
        sheet.alpha_composite(frame, ((w - 23) // 2, (h - 23) // 2 - 40))
        ImageDraw.Draw(sheet).text((w // 2, (h - 31) // 2), "缓存清理中，请稍后……",
                                   font=P.font("sans", 14), fill=(255, 245, 211, 255), anchor="ma")
        behind = desktop((w, h))  # stands for the game page
        behind.paste(strip(pictures, w, "normal"), (0, 0))
        behind = Image.blend(behind, sheet, 229 / 255)
        page.paste(behind, (10 + step * (w + 3), 10))
    return page


def sheet(pictures):
    cells = []
    for pid in sorted(pictures):
        picture = pictures[pid]
        if max(picture.size) > 300:
            scale = 0.25
        elif max(picture.size) > 60:
            scale = 2
        else:
            scale = 3
        shown = picture.resize((max(1, round(picture.width * scale)),
                                max(1, round(picture.height * scale))),
                               Image.LANCZOS if scale < 1 else Image.NEAREST)
        cells.append((pid, shown))
    width, x, y, row_h = 1500, 10, 10, 0
    spots = []
    for pid, shown in cells:
        if x + shown.width + 10 > width:
            x, y, row_h = 10, y + row_h + 24, 0
        spots.append((pid, shown, x, y))
        x += max(shown.width, 40) + 14
        row_h = max(row_h, shown.height)
    page = Image.new("RGBA", (width, y + row_h + 30), (250, 250, 250, 255))
    draw = ImageDraw.Draw(page)
    for pid, shown, x, y in spots:
        page.paste(checker(shown.size), (x, y))
        page.alpha_composite(shown, (x, y))
        draw.text((x, y + shown.height + 2), str(pid), font=P.font("sans", 11),
                  fill=(30, 30, 30, 255))
    return page


def main():
    resources = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "resources")
    out = sys.argv[2] if len(sys.argv) > 2 else "/tmp"
    pictures = load(resources)
    outputs = {
        "skins_sheet.png": sheet(pictures),
        "skins_strip.png": strip_mock(pictures),
        "skins_login.png": login_mock(pictures, False),
        "skins_login_popup.png": login_mock(pictures, True),
        "skins_msgbox.png": msgbox_sheet(pictures),
        "skins_overlay.png": overlay_mock(pictures),
    }
    for name, picture in outputs.items():
        picture.convert("RGB").save(os.path.join(out, name))
    print("contact_sheet.py: wrote", ", ".join(os.path.join(out, n) for n in outputs))


if __name__ == "__main__":
    main()
