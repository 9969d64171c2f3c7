"""Every picture resource of the launcher: id, macro name, file, kind, pixel size and role.

generate.py draws exactly these, check.py verifies the output against them, and the README's table
lists them. Sizes are the ones the windows rely on when they place and paint the pictures.
"""
from dataclasses import dataclass

PNG, BITMAP, ICON = "PNG", "BITMAP", "ICON"


@dataclass(frozen=True)
class Picture:
    id: int
    macro: str  # IDP_ name in resources/skin_ids.h
    file: str  # under resources/skins/
    kind: str  # PNG (RGBA), BITMAP (24-bit BMP) or ICON (multi-size .ico)
    size: tuple  # (width, height) in pixels; for an icon, its largest image
    group: str  # the window the picture belongs to
    role: str


ICON_SIZES = (16, 32, 48, 256)

GROUPS = (
    ("frame", "Main frame: caption strip and its nine buttons"),
    ("login", "Login window and web login popup"),
    ("msgbox", "Custom message box"),
    ("overlay", "Cache-cleaning overlay"),
    ("app", "Application icon (window and tray)"),
)


def _button(ids, macro, stem, size, group, role):
    """Three pictures of one skinned button: normal, hover, pressed."""
    states = ("NORMAL", "HOVER", "PRESSED")
    return [
        Picture(i, f"IDP_{macro}_{state}", f"{stem}_{state.lower()}.png", PNG, size, group,
                f"{role}, {state.lower()}") for i, state in zip(ids, states)
    ]


PICTURES = [
    Picture(203, "IDP_CAPTION_LEFT", "caption_left.png", PNG, (203, 30), "frame",
            "caption strip, left end with the emblem and title"),
    Picture(172, "IDP_CAPTION_MIDDLE", "caption_middle.png", PNG, (1, 30), "frame",
            "caption strip, middle tile"),
    Picture(206, "IDP_CAPTION_RIGHT", "caption_right.png", PNG, (92, 30), "frame",
            "caption strip, right end under the window buttons"),
    *_button((207, 208, 227), "FRAME_CLOSE", "frame_close", (28, 26), "frame", "close"),
    *_button((220, 213, 228), "FRAME_MAXIMIZE", "frame_maximize", (28, 26), "frame", "maximise"),
    *_button((221, 217, 229), "FRAME_RESTORE", "frame_restore", (28, 26), "frame", "restore"),
    *_button((209, 210, 230), "FRAME_MINIMIZE", "frame_minimize", (28, 26), "frame", "minimise"),
    *_button((224, 214, 234), "FRAME_FULLSCREEN", "frame_fullscreen", (59, 24), "frame",
             "fullscreen, caption 全屏"),
    *_button((223, 215, 233), "FRAME_BOSSKEY", "frame_bosskey", (97, 24), "frame",
             "boss key, caption 老板键"),
    *_button((252, 253, 261), "FRAME_CLEANCACHE", "frame_cleancache", (78, 24), "frame",
             "clean cache, caption 清除缓存"),
    *_button((226, 219, 236), "FRAME_REFRESH", "frame_refresh", (78, 24), "frame",
             "reload, caption 刷新"),
    *_button((211, 212, 231), "FRAME_RESELECT", "frame_reselect", (59, 24), "frame",
             "server reselection, caption 选服"),
    Picture(319, "IDP_LOGIN_SPLASH", "login_splash.png", PNG, (1174, 686), "login",
            "login window splash, per-pixel alpha; popup covers (365, 73) 690 x 513"),
    Picture(318, "IDP_LOGIN_POPUP_BACKGROUND", "login_popup_background.bmp", BITMAP, (690, 513),
            "login", "popup background, 24-bit; pure green RGB(0, 255, 0) is transparent"),
    *_button((320, 321, 322), "LOGIN_MINIMIZE", "login_minimize", (29, 30), "login",
             "popup minimise (button 28 x 28)"),
    *_button((323, 324, 325), "LOGIN_CLOSE", "login_close", (29, 30), "login",
             "popup close (button 28 x 26)"),
    Picture(304, "IDP_MSGBOX_BACKGROUND", "msgbox_background.png", PNG, (256, 110), "msgbox",
            "background; the window shows its top-left 253 x 106"),
    Picture(314, "IDP_MSGBOX_OK_NORMAL", "msgbox_ok_normal.png", PNG, (82, 34), "msgbox",
            "OK, caption 确定, normal"),
    Picture(313, "IDP_MSGBOX_OK_ACTIVE", "msgbox_ok_active.png", PNG, (82, 34), "msgbox",
            "OK, hover (brightened by the button) and pressed"),
    Picture(312, "IDP_MSGBOX_CANCEL_NORMAL", "msgbox_cancel_normal.png", PNG, (82, 34), "msgbox",
            "Cancel, caption 取消, normal"),
    Picture(311, "IDP_MSGBOX_CANCEL_ACTIVE", "msgbox_cancel_active.png", PNG, (82, 34), "msgbox",
            "Cancel, hover (brightened by the button) and pressed"),
    Picture(316, "IDP_MSGBOX_CLOSE", "msgbox_close.png", PNG, (11, 10), "msgbox",
            "close cross, all three states (button 28 x 26)"),
    Picture(275, "IDP_OVERLAY_TEXTURE", "overlay_texture.png", PNG, (1, 1), "overlay",
            "tiled sheet: black at alpha 230"),
    *[
        Picture(276 + n, f"IDP_OVERLAY_FRAME{n + 1}", f"overlay_frame{n + 1}.png", PNG, (23, 23),
                "overlay", f"busy animation frame {n + 1}, lit square {corner}")
        for n, corner in enumerate(("bottom right", "bottom left", "top left", "top right"))
    ],
    Picture(273, "IDP_APP_ICON", "app.ico", ICON, (256, 256), "app",
            "window and tray icon, 16/32/48/256"),
]


def by_id():
    return {p.id: p for p in PICTURES}
