"""Every image of skin 1: its path below modules/img/skin1, its size and how it is drawn.

Sizes follow the places the scene gives the images (see layout.py for the window geometry).
"""

from functools import partial

import controls
from parts import button
import icons
import keycaps
import pages
import window

# Key caps by key type: width x height. Keys sit on a 31-pixel pitch with 2-pixel gaps, so a
# key n pitches wide is 31n - 2 pixels, rounded so that every row of the main block ends at
# 463 pixels, as the hardware definition places them.
KEY_TYPES = {
    1: ((29, 29), "ordinary key, 1 pitch"),
    2: ((45, 29), "Tab, 1.5 pitches"),
    3: ((52, 29), "Caps, 1.75 pitches"),
    4: ((68, 29), "left Shift, 2.25 pitches"),
    5: ((37, 29), "bottom-row modifiers, Fn and App, 1.25 pitches"),
    6: ((192, 29), "Space, 6.25 pitches"),
    7: ((83, 29), "right Shift, 2.75 pitches"),
    9: ((60, 29), "Back, 2 pitches"),
    10: ((60, 29), "keypad 0, 2 pitches"),
    11: ((29, 60), "keypad Ent and +, 2 pitches tall"),
    12: ((44, 29), "backslash, 1.5 pitches less the pixel that Tab took: ends at 463"),
    81: ((68, 29), "Enter, 2.25 pitches"),
}

# (path, (width, height), painter taking the size, where the size comes from)
IMAGES = [
    # Window body and frame: the whole 1000 x 600 window.
    ("background.png", (1000, 600), window.background, "fills the window"),
    ("frame/frameBackground.png", (1000, 600), window.frame_background, "at (0, 0) over the background"),
    ("frame/decoration1.png", (120, 40), window.decoration, "centred on (78, 93); drawn in its top rows"),
    ("frame/decoration2.png", (120, 40), partial(window.decoration, mirror=True), "centred on (923, 93)"),
    ("frame/web_0.png", (180, 20), partial(window.logo, hot=False), "logo in the top bar, from y 4"),
    ("frame/web_1.png", (180, 20), partial(window.logo, hot=True), "logo under the mouse"),
    # Top bar: container at (8, 8); Menu_Up is 16 larger.
    ("list_up/listUpContainer.png", (984, 20), window.top_bar, "1000 - 16 wide, y 8 .. 28"),
    ("list_up/applicationSetting_0.png", (22, 22), partial(window.settings_button, hot=False), "container x 5, y -3"),
    ("list_up/applicationSetting_1.png", (22, 22), partial(window.settings_button, hot=True), "selected or hovered"),
    ("list_up/applicationMinimize_0.png", (22, 22), partial(window.close_button, hot=False), "right margin 5, y -3"),
    ("list_up/applicationMinimize_1.png", (22, 22), partial(window.close_button, hot=True), "hovered"),
    # Bottom bar: Menu_Down is 18 larger, at y 538.
    ("list_dn/listDnContainer.png", (982, 44), window.bottom_bar, "1000 - 18 wide, y 547 .. 591"),
    # Profile menu at (936, 60); entries from its y 25, 26 apart.
    ("list_pf/listPfContainer.png", (56, 260), window.profile_container, "profile column"),
    ("list_pf/profileSW_0.png", (48, 25), partial(window.profile_entry, current=False), "entry plate"),
    ("list_pf/profileSW_1.png", (48, 25), partial(window.profile_entry, current=True), "current profile's plate"),
    ("list_pf/profileFW_0.png", (48, 25), partial(window.profile_frame, hot=False), "frame over an entry"),
    ("list_pf/profileFW_1.png", (48, 25), partial(window.profile_frame, hot=True), "frame under the mouse"),
    # Function menu at x 8 from y 96, entries 6 apart.
    ("list_fn/listFnBtn_0.png", (150, 36), partial(window.function_entry, hot=False), "function menu entry"),
    ("list_fn/listFnBtn_1.png", (150, 36), partial(window.function_entry, hot=True), "selected or hovered"),
    # Page backgrounds: the page area is 759 x 442; the settings panel 340 x 420 at (5, 27).
    ("list_center/globalsettingBackground.png", (340, 420), pages.settings_background, "settings panel"),
    ("list_center/fnKeydefineBackground.png", (759, 442), pages.keydefine_background, "key definition page"),
    ("list_center/fnColorBackground.png", (759, 442), pages.color_background, "key lighting page"),
    ("list_center/fnMacroBackground.png", (759, 442), pages.macro_background, "macro page"),
    ("list_center/fnCommonBackground.png", (759, 442), pages.common_background, "back lighting page"),
    # Common controls.
    ("common/slider_BASE.png", (151, 23), controls.field, "step area at (5, 1), 141 x 21; drop-down header"),
    ("common/slider_FILLER_0.png", (21, 21), partial(controls.cell, lit=False), "cell, 1-pixel overlap"),
    ("common/slider_FILLER_1.png", (21, 21), partial(controls.cell, lit=True), "lit cell"),
    ("common/filelist_BASE.png", (151, 200), controls.file_list, "FileList is 151 x 200"),
    ("common/draw_line.png", (133, 1), controls.row_line, "list width 151 - 18"),
    ("common/draw_inputValue.png", (39, 21), controls.number_field, "numeric fields 39 wide"),
    ("common/draw_paletteIndex.png", (145, 21), controls.swatch_frame, "swatch rail, 145 wide"),
    ("common/draw_palette.png", (96, 21), controls.palette_strip, "palette strip, 96 long"),
    ("common/checkbox_0.png", (16, 16), partial(controls.checkbox, checked=False), "check box"),
    ("common/checkbox_1.png", (16, 16), partial(controls.checkbox, checked=True), "checked"),
    ("common/fram_2btn.png", (140, 32), controls.two_button_frame, "two 64 x 24 buttons, 4 apart"),
]

PUSH_BUTTONS = [  # (name, glyph, size, hot glyph colour)
    ("apply", icons.check, (64, 24), None),
    ("reset", icons.reset, (64, 24), None),
    ("add", icons.plus, (24, 24), None),
    ("delete", icons.minus, (24, 24), None),
    ("record", icons.record, (24, 24), "red"),
    ("stop", icons.stop, (24, 24), None),
    ("solid-delete", icons.trash, (24, 24), None),
    ("solid-cut", icons.cut, (24, 24), None),
    ("solid-paste", icons.paste, (24, 24), None),
    ("solid-copy", icons.copy, (24, 24), None),
]


def all_images():
    images = list(IMAGES)
    for name, glyph, size, accent in PUSH_BUTTONS:
        for hot in (False, True):
            painter = partial(button, glyph=glyph, hot=hot, accent=accent)
            images.append((f"common/{name}_{int(hot)}.png", size, painter, "push button"))
    for key_type, (size, why) in KEY_TYPES.items():
        images.append((f"model_kb/k{key_type}-0.png", size, keycaps.cap, why))
        images.append((f"model_kb/k{key_type}-1.png", size, keycaps.frame, why + ", frame"))
    return images
