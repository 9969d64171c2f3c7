#!/usr/bin/python3
"""Draws every skin picture of the launcher and writes them, with resources/skins.rc and
resources/skin_ids.h, into the resources folder. The output is committed; the build never runs this.

Needs Debian's python3-pil and fonts-noto-cjk. The same inputs give the same bytes on every run.
Usage: generate.py [RESOURCES_FOLDER]   (default: resources/ of this repository)
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import app_icon  # noqa: E402
import caption  # noqa: E402
import msgbox  # noqa: E402
import overlay  # noqa: E402
import popup  # noqa: E402
import splash  # noqa: E402
from inventory import ICON, ICON_SIZES, PICTURES  # noqa: E402
from writers import header_text, picture_bytes, rc_text  # noqa: E402

PAINTERS = (caption, splash, popup, msgbox, overlay, app_icon)


def draw_all():
    drawn = {}
    for painter in PAINTERS:
        for pid, picture in painter.pictures().items():
            if pid in drawn:
                raise SystemExit(f"picture {pid} drawn twice")
            drawn[pid] = picture
    wanted = {p.id for p in PICTURES}
    if set(drawn) != wanted:
        raise SystemExit(f"drawn and listed pictures differ: {sorted(set(drawn) ^ wanted)}")
    return drawn


def check_size(entry, picture):
    if entry.kind == ICON:
        sizes = tuple(sorted(picture))
        ok = sizes == ICON_SIZES and all(picture[s].size == (s, s) for s in sizes)
    else:
        ok = picture.size == entry.size
    if not ok:
        raise SystemExit(f"picture {entry.id} ({entry.file}) has the wrong size")


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    resources = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources")
    skins = os.path.join(resources, "skins")
    os.makedirs(skins, exist_ok=True)
    drawn = draw_all()
    for entry in PICTURES:
        check_size(entry, drawn[entry.id])
        write(os.path.join(skins, entry.file), picture_bytes(entry, drawn[entry.id]))
    listed = {p.file for p in PICTURES}
    for stale in sorted(set(os.listdir(skins)) - listed):
        os.remove(os.path.join(skins, stale))
    write(os.path.join(resources, "skins.rc"), rc_text().encode("utf-8"))
    write(os.path.join(resources, "skin_ids.h"), header_text().encode("utf-8"))
    print(f"generate.py: {len(PICTURES)} pictures in {os.path.normpath(skins)}")


if __name__ == "__main__":
    main()
