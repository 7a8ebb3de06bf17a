"""Colours of the skin: dark smoked glass, steel hairlines and the scene's cyan highlight.

The highlight and text greys are the scene's built-in colours (highlight #00FFFF, normal text
#AAAAAA), so the images and the texts drawn over them agree.
"""

# Glass: the window body and the panels laid on it. The alpha lets the desktop show through.
GLASS_TOP = (16, 22, 31, 208)
GLASS_BOTTOM = (7, 9, 13, 226)

# Hairlines.
STEEL_DARK = (34, 42, 53, 255)
STEEL = (58, 71, 87, 255)
STEEL_LIGHT = (92, 110, 130, 255)
SHEEN = (255, 255, 255, 22)

# Highlight.
CYAN = (0, 255, 255, 255)
CYAN_SOFT = (0, 214, 236, 255)
CYAN_DIM = (0, 128, 150, 255)

# Texts and glyphs.
TEXT = (170, 170, 170, 255)
TEXT_BRIGHT = (222, 228, 234, 255)
RED = (255, 62, 84, 255)

# Key caps.
CAP_SIDE = (13, 17, 23, 255)
CAP_TOP_HIGH = (44, 53, 66, 255)
CAP_TOP_LOW = (28, 35, 45, 255)
CAP_RIM = (64, 77, 93, 255)
CAP_EDGE = (6, 8, 11, 255)


def with_alpha(colour, alpha):
    return colour[:3] + (alpha,)
