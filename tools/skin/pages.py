"""Backgrounds of the four device pages and of the settings panel."""

from PIL import ImageChops, ImageFilter

from canvas import Canvas, Shape, font, px, vertical_gradient
from parts import glass_plate
import layout as L
import theme as t


def _page_plate(size):
    """A borderless tinted plate of the page well's shape: the well, which stays put while
    pages slide, draws the outline."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, L.PAGE_CORNERS)
    c.fill(shape, vertical_gradient(c.size, [(0, (18, 24, 33, 110)), (1, (8, 11, 16, 140))]))
    _dot_grid(c, 8)
    _hatch(c, w - 62, h - 14)
    return c


def _dot_grid(c, pitch):
    """A faint grid of single-pixel dots, fading out towards the bottom."""
    w, h = c.size
    dots = Canvas(w, h)
    for y in range(pitch // 2, h, pitch):
        alpha = int(20 * (1 - y / h))
        for x in range(pitch // 2, w, pitch):
            dots.dot(x, y, (120, 150, 175, alpha))
    c.img.alpha_composite(dots.img)


def _hatch(c, x, y, count=6):
    """A short run of slanted strokes: a maker's mark in a corner."""
    for i in range(count):
        x0 = x + i * 5
        c.fill(Shape.polygon([(x0, y + 6), (x0 + 2, y + 6), (x0 + 6, y), (x0 + 4, y)]),
               t.with_alpha(t.STEEL, 150))


def _header_rule(c, y):
    c.hline_fading(10, c.width - 10, y, t.with_alpha(t.STEEL, 180), 40)


def _keyboard_case(c):
    """A recessed chassis for the key picture, a few pixels larger than the keys."""
    x0, y0, x1, y1 = L.KEY_PICTURE
    case = Shape.rounded(x0 - 11, y0 - 11, x1 + 11, y1 + 11, 7)
    c.fill(case, vertical_gradient(c.size, [(0, (4, 6, 9, 200)), (1, (10, 13, 18, 200))]))
    c.stroke(case, t.with_alpha(t.STEEL, 220))
    c.stroke(case, (0, 0, 0, 150), inset=1)
    # A lighter lip along the case's top edge, and the glow of the keyboard's light strip
    # along its bottom edge.
    c.hline_fading(x0, x1, y0 - 11, t.with_alpha(t.STEEL_LIGHT, 200), 60)
    strip = Shape.rect(x0 + 40, y1 + 8, x1 - 40, y1 + 9)
    c.glow(strip.mask(c.size), t.with_alpha(t.CYAN, 190), 3, clip=case.mask(c.size, 1))
    c.hline_fading(x0 + 20, x1 - 20, y1 + 8, t.with_alpha(t.CYAN_SOFT, 230), 120)
    # Status lights over the keypad, as on the keyboard itself.
    for i in range(3):
        cx = x1 - 90 + i * 31 + 14
        c.fill(Shape.rounded(cx - 5, y0 - 8, cx + 5, y0 - 6, 1), t.with_alpha(t.CYAN_DIM, 200))


def _area_marks(c):
    x0, y0, x1, y1 = L.KEY_AREA
    for x, y, dx in ((x0, y0, 1), (x1 - 1, y0, -1)):
        c.hline(x if dx > 0 else x - 7, x + 1 if dx < 0 else x + 8, y, t.with_alpha(t.CYAN_DIM, 220))


def _model_mark(c, x, y):
    """The model name as a large outlined watermark in the page's empty lower corner."""
    layer = Canvas(*c.size)
    solid = layer.text((x, y), "Z9", font(96), (255, 255, 255, 255), anchor="rs")
    outline = ImageChops.subtract(solid, solid.filter(ImageFilter.MinFilter(2 * px(1) + 1)))
    c.paint(outline, t.with_alpha(t.STEEL_LIGHT, 70))
    c.hline_fading(x - 260, x, y + 8, t.with_alpha(t.CYAN_DIM, 160), 80)


def keydefine_background(size):
    c = _page_plate(size)
    _header_rule(c, 52)
    _area_marks(c)
    _keyboard_case(c)
    _model_mark(c, size[0] - 30, size[1] - 30)
    return c


def color_background(size):
    c = _page_plate(size)
    _header_rule(c, 52)
    _area_marks(c)
    _keyboard_case(c)
    _header_rule(c, L.KEY_AREA[3] + 6)
    return c


def macro_background(size):
    """The macro page sits lower; its two lists get a shared rail above them."""
    c = _page_plate(size)
    for x, y in L.MACRO_LISTS:
        w, h = L.FILE_LIST
        c.hline_fading(x - 6, x + w + 6, y - 10, t.with_alpha(t.STEEL_LIGHT, 200), 20)
        c.fill(Shape.rect(x - 6, y - 11, x + 30, y - 9), t.with_alpha(t.CYAN_SOFT, 220))
    return c


def common_background(size):
    c = _page_plate(size)
    _header_rule(c, 40)
    return c


def settings_background(size):
    """The settings panel: an opaque-ish plate that slides over the device view, with a title
    band (the version text sits at its right), a rail per setting row and the colour box."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, (0, 10, 10, 0))
    glass_plate(c, shape, (20, 27, 37, 250), (9, 12, 18, 252), t.STEEL_LIGHT)
    c.fill(Shape.rect(w - 3, 12, w - 1, h - 12), t.with_alpha(t.CYAN_SOFT, 200))
    c.hline_fading(0, w - 30, 28, t.with_alpha(t.STEEL, 220), 6)
    c.fill(Shape.rect(0, 0, 4, 28), t.CYAN)
    for y in L.SETTINGS_ROWS_Y:
        c.fill(Shape.polygon([(18, y + 8), (22, y + 11.5), (18, y + 15)]), t.with_alpha(t.CYAN_DIM, 230))
        c.hline(26, L.SETTINGS_CONTROL_X - 8, y + 22, t.with_alpha(t.STEEL_DARK, 255))
    x0, y0, x1, y1 = L.SETTINGS_TEXT_BOX
    c.fill(Shape.rounded(x0, y0, x1, y1, 3), (3, 5, 8, 150))
    c.hline_fading(x0 + 4, x1 - 60, y0 + 1, t.with_alpha(t.CYAN_SOFT, 200), 20)
    # A dotted rail leading to the reset and apply buttons below the box.
    for x in range(x0, x0 + 120, 4):
        c.hline(x, x + 2, y1 + 22, t.with_alpha(t.STEEL, 180))
    return c
