#!/usr/bin/python3
"""Composes the skin roughly as the scene lays it out, over a desktop-like backdrop, plus a
contact sheet of every image on a checkerboard, for looking at the artwork as a whole.

    tools/skin/preview.py OUT_DIR      writes OUT_DIR/window.png and OUT_DIR/sheet.png
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageDraw, ImageFilter  # noqa: E402

from canvas import font, horizontal_gradient  # noqa: E402
from controls import PALETTE_STOPS  # noqa: E402
from catalogue import KEY_TYPES, all_images  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SKIN = os.path.join(REPO, "modules", "img", "skin1")

# A 104-key layout on the 31-pixel pitch: rows of (key type, label, gap before in pixels).
ROWS = [
    (0, [(1, "Esc", 0), (1, "F1", 33), (1, "F2", 2), (1, "F3", 2), (1, "F4", 2), (1, "F5", 18),
         (1, "F6", 2), (1, "F7", 2), (1, "F8", 2), (1, "F9", 17), (1, "F10", 2), (1, "F11", 2),
         (1, "F12", 2), (1, "Prt", 10), (1, "Scr", 2), (1, "Pau", 2)]),
    (39, [(1, "`", 0)] + [(1, c, 2) for c in "1234567890-="] + [(9, "Back", 2), (1, "Ins", 10),
         (1, "Hom", 2), (1, "Pgu", 2), (1, "Num", 10), (1, "/", 2), (1, "*", 2), (1, "-", 2)]),
    (70, [(2, "Tab", 0)] + [(1, c, 2) for c in "QWERTYUIOP[]"] + [(12, "\\", 2), (1, "Del", 10),
         (1, "End", 2), (1, "Pgd", 2), (1, "7", 10), (1, "8", 2), (1, "9", 2), (11, "+", 2)]),
    (101, [(3, "Caps", 0)] + [(1, c, 2) for c in "ASDFGHJKL;'"] + [(81, "Enter", 2),
          (1, "4", 111), (1, "5", 2), (1, "6", 2)]),
    (132, [(4, "Shift", 0)] + [(1, c, 2) for c in "ZXCVBNM,./"] + [(7, "Shift", 2), (1, "▲", 41),
          (1, "1", 41), (1, "2", 2), (1, "3", 2), (11, "Ent", 2)]),
    (163, [(5, "Ctrl", 0), (5, "Win", 2), (5, "Alt", 2), (6, "Space", 1), (5, "Alt", 2), (5, "Fn", 2),
          (5, "App", 2), (5, "Ctrl", 1), (1, "◄", 10), (1, "▼", 2), (1, "►", 2), (10, "0", 10),
          (1, ".", 2)]),
]


def load(path):
    return Image.open(os.path.join(SKIN, path)).convert("RGBA")


def put(canvas, path, xy, centre=False):
    img = load(path)
    x, y = xy
    if centre:
        x, y = x - img.width // 2, y - img.height // 2
    canvas.alpha_composite(img, (int(x), int(y)))


def text(canvas, xy, string, colour=(170, 170, 170, 255), size=11, anchor="mm"):
    ImageDraw.Draw(canvas).text(xy, string, font=font(size), fill=colour, anchor=anchor)


def desktop(size):
    """A wallpaper-like backdrop: a bright gradient with soft shapes, so translucency shows."""
    w, h = size
    img = Image.new("RGBA", size)
    d = ImageDraw.Draw(img)
    for y in range(h):
        k = y / h
        d.line([(0, y), (w, y)], fill=(int(70 + 90 * k), int(110 + 40 * k), int(170 - 60 * k), 255))
    blobs = Image.new("RGBA", size, (0, 0, 0, 0))
    bd = ImageDraw.Draw(blobs)
    bd.ellipse([80, 300, 520, 700], fill=(250, 180, 90, 200))
    bd.ellipse([700, -100, 1150, 300], fill=(120, 230, 200, 170))
    bd.rectangle([300, 120, 420, 260], fill=(255, 255, 255, 230))
    img.alpha_composite(blobs.filter(ImageFilter.GaussianBlur(30)))
    return img


def key_places():
    """(x, y, key type, label) of every key: from the hardware definition when the tree has
    one, else from the layout above."""
    hwdef = os.path.join(REPO, "modules", "setting", "HWDef.bin")
    if os.path.exists(hwdef):
        places = []
        for line in open(hwdef, encoding="utf-8"):
            key, _, value = line.partition("=")
            fields = [f.strip().strip('"') for f in value.split(",")]
            if key.strip().isdigit() and len(fields) == 7 and fields[3] != "0":
                places.append((int(fields[1]), int(fields[2]), int(fields[3]), fields[4].replace("\\\\", "\\")))
        return places
    places = []
    for y, keys in ROWS:
        x = 0
        for key_type, label, gap in keys:
            x += gap
            places.append((x, y, key_type, label))
            x += KEY_TYPES[key_type][0][0]
    return places


def keyboard(canvas, origin, frame_keys=(), changed_keys=()):
    """Key caps with labels; frames on the keys under the pointer and, at half strength, on
    changed keys."""
    ox, oy = origin
    for x, y, key_type, label in key_places():
        w, h = KEY_TYPES[key_type][0]
        put(canvas, f"model_kb/k{key_type}-0.png", (ox + x, oy + y))
        hot = label in frame_keys
        if hot or label in changed_keys:
            frame = load(f"model_kb/k{key_type}-1.png")
            if not hot:
                frame.putalpha(frame.getchannel("A").point(lambda v: v // 2))
            canvas.alpha_composite(frame, (ox + x, oy + y))
        colour = (0, 255, 255, 255) if label in changed_keys else (170, 170, 170, 255)
        text(canvas, (ox + x + w / 2, oy + y + h / 2 - 1), label, colour)


def window(settings_open=False):
    win = Image.new("RGBA", (1000, 600), (0, 0, 0, 0))
    put(win, "background.png", (0, 0))
    put(win, "frame/frameBackground.png", (0, 0))
    # Device view: function menu, profile menu, key definition page.
    for i, label in enumerate(["KEY", "MACRO", "COLOR", "BACKLIGHTING"]):
        put(win, f"list_fn/listFnBtn_{1 if i == 0 else 0}.png", (8, 96 + i * 42))
        text(win, (83, 96 + i * 42 + 18), label, (0, 255, 255, 255) if i == 0 else (170, 170, 170, 255))
    put(win, "list_pf/listPfContainer.png", (936, 60))
    for i in range(6):
        y = 60 + 85 + i * 26
        put(win, f"list_pf/profileSW_{1 if i == 0 else 0}.png", (940, y))
        put(win, f"list_pf/profileFW_{1 if i == 2 else 0}.png", (940, y))
        text(win, (964, y + 12), f"P0{i + 1}", (0, 255, 255, 255) if i in (0, 2) else (170, 170, 170, 255))
    page = Image.new("RGBA", (759, 442), (0, 0, 0, 0))
    put(page, "list_center/fnKeydefineBackground.png", (0, 0))
    put(page, "common/slider_BASE.png", (140, 15))
    text(page, (150, 26), "KEYBOARD", anchor="lm")
    text(page, (281, 26), "▼", anchor="rm")
    put(page, "common/slider_BASE.png", (311, 15))
    text(page, (321, 26), "MEDIA", anchor="lm")
    put(page, "common/fram_2btn.png", (560, 11))
    put(page, "common/reset_0.png", (564, 15))
    put(page, "common/apply_1.png", (632, 15))
    keyboard(page, (23, 97), frame_keys=("Esc",), changed_keys=("Caps", "F5"))
    put(page, "common/checkbox_1.png", (55, 305))
    text(page, (78, 313), "GAMING MODE", (0, 255, 255, 255), anchor="lm")
    win.alpha_composite(page, (171, 96))
    put(win, "frame/decoration1.png", (78, 93), centre=True)
    put(win, "frame/decoration2.png", (923, 93), centre=True)
    put(win, "list_dn/listDnContainer.png", (9, 547))
    ImageDraw.Draw(win).rounded_rectangle([953, 538 + 15, 962, 538 + 19], 2, fill=(0, 255, 0, 255))
    text(win, (966, 538 + 17), "1.05", anchor="lm", size=10)
    put(win, "list_up/listUpContainer.png", (8, 8))
    put(win, f"list_up/applicationSetting_{int(settings_open)}.png", (13, 5))
    put(win, "list_up/applicationMinimize_0.png", (1000 - 8 - 5 - 22, 5))
    put(win, "frame/web_0.png", (410, 4))
    if settings_open:
        settings(win)
    return win


def settings(win):
    """The settings page as the scene lays it out."""
    panel = Image.new("RGBA", (340, 420), (0, 0, 0, 0))
    put(panel, "list_center/globalsettingBackground.png", (0, 0))
    text(panel, (325, 18), "3.1.0817", anchor="rm", size=11)
    for i, (label, value) in enumerate([("SOUND", "ON"), ("ANIMATION", "ON"), ("LANGUAGE", "English")]):
        y = 40 + i * 33
        text(panel, (27, y + 11), label, (0, 255, 255, 255), anchor="lm")
        put(panel, "common/slider_BASE.png", (139, y))
        text(panel, (149, y + 11), value, anchor="lm")
        text(panel, (280, y + 11), "▼", anchor="rm")
    text(panel, (27, 139 + 11), "BACKGROUND", (0, 255, 255, 255), anchor="lm")
    put(panel, "common/checkbox_0.png", (139, 139 + 3))
    text(panel, (161, 139 + 11), "【 OFF 】", anchor="lm")
    box = Image.new("RGBA", (270, 176), (0, 0, 0, 0))
    d = ImageDraw.Draw(box)
    d.rounded_rectangle([0, 0, 269, 175], 3, outline=(170, 170, 170, 90))
    text(box, (10, 9), "TEXT COLOR", (0, 255, 255, 255), anchor="lt")
    text(box, (10, 46), "COLOR", anchor="lm")
    put(box, "common/draw_paletteIndex.png", (100, 35))
    colours = [(255, 255, 255), (255, 200, 150), (255, 180, 0), (200, 200, 100), (200, 170, 255),
               (255, 180, 180), (160, 190, 160)]
    for i, c in enumerate(colours):
        x = 100 + 1 + i * 21
        d.rectangle([x, 36, x + 18, 54], fill=c + (255,), outline=(170, 170, 170, 255) if i == 0 else None,
                    width=2)
    put(box, "common/draw_palette.png", (100, 65))
    box.alpha_composite(horizontal_gradient((96, 15), PALETTE_STOPS), (100, 68))
    for i, ch in enumerate("RGB"):
        x = 100 + i * 58
        text(box, (x, 106), ch, anchor="lm")
        put(box, "common/draw_inputValue.png", (x + 13, 96))
        text(box, (x + 13 + 19, 106), "255")
    text(box, (10, 141), "BRIGHTNESS", anchor="lm")
    put(box, "common/slider_BASE.png", (97, 130))
    for i in range(7):
        put(box, f"common/slider_FILLER_{1 if i < 5 else 0}.png", (102 + i * 20, 131))
    panel.alpha_composite(box, (27, 185))
    put(panel, "common/reset_0.png", (163, 371))
    put(panel, "common/apply_1.png", (233, 371))
    win.alpha_composite(panel, (5, 27))


def pages():
    """The four page backgrounds in the page well, side by side (the macro and back lighting
    pages sit 46 pixels lower, as in the scene)."""
    backgrounds = [("fnKeydefineBackground", 0), ("fnMacroBackground", 46), ("fnColorBackground", 0),
                   ("fnCommonBackground", 46)]
    out = Image.new("RGBA", (2 * 780, 2 * 460), (0, 0, 0, 255))
    for i, (name, dy) in enumerate(backgrounds):
        win = Image.new("RGBA", (1000, 600), (0, 0, 0, 0))
        put(win, "background.png", (0, 0))
        put(win, "frame/frameBackground.png", (0, 0))
        page = Image.new("RGBA", (759, 442), (0, 0, 0, 0))
        put(page, f"list_center/{name}.png", (0, dy))
        if name == "fnMacroBackground":
            for x, y in ((119, 55), (468, 55)):
                put(page, "common/filelist_BASE.png", (x, y + dy))
                for r in range(1, 5):
                    put(page, "common/draw_line.png", (x, y + dy + r * 20 - 1))
        win.alpha_composite(page, (171, 96))
        part = win.crop((160, 86, 940, 546))
        out.alpha_composite(part, ((i % 2) * 780, (i // 2) * 460))
    return out


def sheet():
    """Every image up to 200 x 270 on a checkerboard, each under its file name."""
    cols, cell_w, cell_h, pad = 6, 170, 100, 10
    small = [p for p, s, *_ in all_images() if s[0] <= 200 and s[1] <= 270]
    rows = (len(small) + cols - 1) // cols
    img = Image.new("RGBA", (cols * cell_w + pad, rows * cell_h + pad), (0, 0, 0, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, img.height, 8):
        for x in range(0, img.width, 8):
            grey = 90 if (x // 8 + y // 8) % 2 else 140
            d.rectangle([x, y, x + 7, y + 7], fill=(grey, grey, grey, 255))
    for i, path in enumerate(small):
        part = load(path)
        if part.height > cell_h - 20:
            part = part.resize((part.width * (cell_h - 20) // part.height, cell_h - 20))
        x, y = pad + (i % cols) * cell_w, pad + (i // cols) * cell_h
        text(img, (x, y + 4), os.path.basename(path), (255, 255, 255, 255), size=9, anchor="lm")
        img.alpha_composite(part, (x, y + 12))
    return img


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    for name, settings_open in (("window.png", False), ("window_settings.png", True)):
        backdrop = desktop((1080, 680))
        backdrop.alpha_composite(window(settings_open), (40, 40))
        backdrop.save(os.path.join(out, name))
    sheet().save(os.path.join(out, "sheet.png"))
    pages().save(os.path.join(out, "pages.png"))


if __name__ == "__main__":
    main()
