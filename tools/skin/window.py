"""The window's own images: the glass body, its frame, the bars, the menus' plates and the logo.

The window is 1000 x 600 and per-pixel translucent; the body outline below is its silhouette.
Everything outside it stays fully transparent so the desktop shows around the window.
"""

import math

from PIL import ImageChops

from canvas import Canvas, Shape, font, text_length, vertical_gradient
from parts import glass_plate
import icons
import layout as L
import theme as t


def body_outline():
    w, h = L.WINDOW
    top, cut, low = L.BODY_TOP, L.BODY_TOP_CUT, L.BODY_BOTTOM_CUT
    c0, c1 = L.CROWN
    n0, n1 = L.NOTCH
    d = L.NOTCH_DEPTH
    return [
        (0, top + cut), (cut, top),
        (c0, top), (c0 + top, 0), (c1 - top, 0), (c1, top),
        (w - cut, top), (w, top + cut),
        (w, h - low), (w - low, h),
        (n1, h), (n1 - d, h - d), (n0 + d, h - d), (n0, h),
        (low, h), (0, h - low),
    ]


def body_shape():
    return Shape.polygon(body_outline())


def background(size):
    """The smoked glass of the body: a cool gradient, a faint light from the top centre and a
    fine diagonal grain, all clipped to the silhouette."""
    c = Canvas(*size)
    body = body_shape()
    c.fill(body, vertical_gradient(size, [(0, t.GLASS_TOP), (0.55, (10, 14, 20, 216)), (1, t.GLASS_BOTTOM)]))
    _top_light(c)
    _grain(c)
    c.clip_to(body.mask(size))
    return c


def _top_light(c):
    """A cyan glow falling from above the top edge's middle, where the logo sits."""
    w, h = c.size
    glow = Canvas(w, h)
    glow.fill(Shape.ellipse(w / 2, -40, 360, 150), (0, 150, 175, 40))
    glow.blur(60)
    c.img.alpha_composite(glow.img)


def _grain(c):
    """Diagonal hairlines every 6 pixels, barely visible: texture, not pattern."""
    w, h = c.size
    lines = Canvas(w, h)
    shapes = [Shape.polyline([(x, 0), (x - h, h)], 1) for x in range(0, w + h, 6)]
    lines.fill(Shape.union(*shapes), (255, 255, 255, 5))
    c.img.alpha_composite(lines.img)


def frame_background(size):
    """The frame over the glass: a double outline with cyan corner accents, the page well and
    the hairlines that divide the columns."""
    c = Canvas(*size)
    body = body_shape()
    c.stroke(body, t.with_alpha(t.STEEL_LIGHT, 230))
    c.stroke(body, (0, 0, 0, 120), inset=1)
    c.stroke(body, t.with_alpha(t.STEEL_DARK, 255), inset=3)
    _corner_accents(c, body)
    _page_well(c)
    _column_rules(c)
    return c


def _corner_accents(c, body):
    """Cyan along each cut corner and a short run of the adjoining edges, and along the top of
    the crown."""
    w, h = c.size
    run = L.CORNER_ACCENT
    c0, c1 = L.CROWN
    keep = Canvas(w, h)
    n0, n1 = L.NOTCH
    for box in ((0, 0, run, run), (w - run, 0, w, run), (w - run, h - run, w, h), (0, h - run, run, h),
                (c0 + 20, 0, c1 - 20, 2), (n0 - 20, h - L.NOTCH_DEPTH - 1, n1 + 20, h)):
        keep.fill(Shape.rect(*box), (255, 255, 255, 255))
    accent = ImageChops.multiply(body.ring(c.size, 0, 1), keep.img.getchannel("A"))
    c.glow(accent, t.with_alpha(t.CYAN, 200), 2.5, clip=body.mask(c.size))
    c.paint(accent, t.CYAN)


def page_well_shape():
    """The page area's outline; the page backgrounds share it."""
    x0, y0, x1, y1 = L.PAGE_AREA
    return Shape.chamfered(x0, y0, x1, y1, L.PAGE_CORNERS)


def _page_well(c):
    """A recess under the page area that frames whichever page slides into it."""
    well = page_well_shape()
    c.fill(well, (2, 4, 7, 60))
    c.stroke(well, t.with_alpha(t.STEEL, 170))
    x0, y0, x1, y1 = L.PAGE_AREA
    c.hline(x0, x0 + 40, y0, t.CYAN_SOFT)
    c.vline(x0, y0, y0 + 24, t.CYAN_SOFT)
    c.hline(x1 - 40, x1, y1 - 1, t.CYAN_SOFT)
    c.vline(x1 - 1, y1 - 24, y1, t.CYAN_SOFT)


def _column_rules(c):
    _, y0, _, y1 = L.PAGE_AREA
    for x in (L.FUNC_COLUMN_RULE_X, L.PROFILE_COLUMN_RULE_X):
        for y in range(y0 + 10, y1 - 10, 4):
            c.vline(x, y, y + 1, t.with_alpha(t.STEEL, 110))


# ---- decorations --------------------------------------------------------------------------


def decoration(size, mirror=False):
    """A header rule over a side column: a hairline with a bright segment, a diamond and
    descending end ticks, confined to the top rows so the menus below stay clear."""
    w, h = size
    c = Canvas(w, h)
    y = 5
    c.hline_fading(2, w - 2, y, t.with_alpha(t.STEEL_LIGHT, 220), 6)
    c.fill(Shape.polyline([(2.5, y + 0.5), (8.5, y + 6.5)], 1), t.STEEL_LIGHT)
    c.fill(Shape.polyline([(w - 2.5, y + 0.5), (w - 8.5, y + 6.5)], 1), t.STEEL_LIGHT)
    seg0, seg1 = 14, 58
    bright = Shape.rect(seg0, y - 1, seg1, y + 2)
    c.glow(bright.mask(c.size), t.with_alpha(t.CYAN, 160), 2)
    c.fill(Shape.rect(seg0, y, seg1, y + 1), t.CYAN)
    c.fill(Shape.rect(seg0, y + 1, seg1 - 4, y + 2), t.with_alpha(t.CYAN, 110))
    dx = seg1 + 8
    c.fill(Shape.polygon([(dx, y - 3), (dx + 3.5, y + 0.5), (dx, y + 4), (dx - 3.5, y + 0.5)]), t.CYAN_SOFT)
    for i in range(4):
        x = dx + 10 + i * 6
        c.fill(Shape.polygon([(x, y + 3), (x + 3, y + 3), (x + 5, y + 6), (x + 2, y + 6)]), t.with_alpha(t.CYAN_DIM, 220))
    return c.mirrored() if mirror else c


# ---- logo ---------------------------------------------------------------------------------


def logo(size, hot):
    """The maker's mark: an angular emblem and the name in spaced capitals, centred together."""
    w, h = size
    c = Canvas(w, h)
    name, fnt, spacing, gap, emblem_w = "KORVANE", font(13), 3, 8, 16
    text_w = sum(text_length(fnt, ch) for ch in name) + spacing * (len(name) - 1)
    x = round((w - emblem_w - gap - text_w) / 2)
    top, bottom = 3, h - 3
    mid = (top + bottom) / 2
    emblem = Shape.union(
        Shape.polygon([(x, top), (x + 4, top), (x + 4, bottom), (x, bottom)]),
        Shape.polygon([(x + 5.5, mid), (x + 11, top), (x + 16, top), (x + 10.5, mid),
                       (x + 16, bottom), (x + 11, bottom)]),
    )
    m = emblem.mask(c.size)
    layer = Canvas(w, h)
    text_mask = layer.text((x + emblem_w + gap, h / 2 + 0.5), name, fnt,
                           t.CYAN if hot else t.TEXT_BRIGHT, anchor="lm", spacing=spacing)
    # A dark halo keeps the mark legible while it floats over the desktop at start-up.
    c.glow(ImageChops.lighter(m, text_mask), (0, 0, 0, 255), 2.5)
    c.glow(ImageChops.lighter(m, text_mask), (0, 0, 0, 200), 1)
    if hot:
        c.glow(m, t.with_alpha(t.CYAN, 230), 3)
        c.glow(text_mask, t.with_alpha(t.CYAN, 170), 3)
    c.paint(m, t.CYAN if hot else t.CYAN_SOFT)
    c.img.alpha_composite(layer.img)
    return c


# ---- bars ---------------------------------------------------------------------------------


def top_bar(size):
    """The strip across the top: dark glass with room for the settings button at the left and
    the close button at the right, and a recessed bay in the middle where the logo sits."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, (6, 6, 10, 10))
    glass_plate(c, shape, (26, 34, 45, 230), (12, 16, 22, 235), t.STEEL)
    x0, x1 = L.CROWN[0] - L.TOP_BAR[0] - 10, L.CROWN[1] - L.TOP_BAR[0] + 10
    bay = Shape.polygon([(x0, 0), (x1, 0), (x1 - h + 2, h - 2), (x0 + h - 2, h - 2)])
    c.fill(bay, vertical_gradient(c.size, [(0, (2, 3, 5, 235)), (1, (8, 11, 15, 235))]))
    c.fill(Shape.polyline([(x0 + 0.5, 0.5), (x0 + h - 1.5, h - 1.5)], 1), t.with_alpha(t.STEEL_LIGHT, 200))
    c.fill(Shape.polyline([(x1 - 0.5, 0.5), (x1 - h + 1.5, h - 1.5)], 1), t.with_alpha(t.STEEL_LIGHT, 200))
    c.hline_fading(x0 + h - 2, x1 - h + 2, h - 2, t.CYAN_SOFT, 70)
    c.hline_fading(x0 - 60, x0, h - 1, t.with_alpha(t.CYAN_DIM, 160), 40)
    c.hline_fading(x1, x1 + 60, h - 1, t.with_alpha(t.CYAN_DIM, 160), 40)
    # Sockets beside the two buttons.
    left = L.TOP_BUTTON_MARGIN + L.TOP_BUTTON + 4
    right = w - L.TOP_BUTTON_MARGIN - L.TOP_BUTTON - 5
    for x in (left, right):
        c.vline(x, 4, h - 4, t.with_alpha(t.STEEL, 170))
    for i in range(3):
        c.fill(Shape.polygon([(left + 8 + i * 5, h - 6), (left + 11 + i * 5, h - 6),
                              (left + 14 + i * 5, 6), (left + 11 + i * 5, 6)]), t.with_alpha(t.STEEL, 110))
    return c


def bottom_bar(size):
    """The status strip along the bottom edge, with a socket for the connection readout at
    the right end of its top rows."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, (0, 0, 8, 8))
    glass_plate(c, shape, (22, 29, 39, 225), (10, 13, 19, 235), t.STEEL)
    c.hline_fading(w // 2 - 170, w // 2 + 170, 0, t.CYAN_SOFT, 100)
    x0, y0, x1, y1 = L.READOUT
    socket = Shape.chamfered(x0, y0, x1, y1, (0, 0, 0, 6))
    c.fill(socket, (2, 3, 5, 230))
    c.stroke(socket, t.with_alpha(t.STEEL_DARK, 255))
    c.hline(x0 + 6, x1, y1, t.with_alpha(t.STEEL, 200))
    # Fine ticks, a measure along the strip's lower edge.
    for i, x in enumerate(range(40, w - 40, 12)):
        c.vline(x, h - 5 - (2 if i % 5 == 0 else 0), h - 3, t.with_alpha(t.STEEL, 140))
    return c


def top_button(size, glyph, hot):
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, (4, 0, 4, 0))
    if hot:
        glass_plate(c, shape, (0, 95, 115, 220), (0, 45, 58, 230), t.CYAN)
    else:
        glass_plate(c, shape, (36, 45, 57, 235), (18, 23, 31, 240), t.STEEL_LIGHT)
    k = (min(w, h) - 8) / 16
    mask = glyph((w - 16 * k) / 2, (h - 16 * k) / 2, k).mask(c.size)
    if hot:
        c.glow(mask, t.with_alpha(t.CYAN, 200), 2, clip=shape.mask(c.size, 1))
    c.paint(mask, t.CYAN if hot else t.TEXT_BRIGHT)
    return c


def settings_button(size, hot):
    return top_button(size, icons.gear, hot)


def close_button(size, hot):
    return top_button(size, icons.close, hot)


# ---- profile menu -------------------------------------------------------------------------


def profile_container(size):
    """The profile column: a head with a badge (the right decoration lies across it), the six
    entry slots and a grip."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, (8, 0, 8, 0))
    glass_plate(c, shape, (20, 27, 36, 200), (10, 14, 20, 215), t.STEEL)
    first = L.PROFILE_FIRST_Y
    last = first + 5 * L.PROFILE_PITCH + L.PROFILE_ENTRY[1]
    c.hline(6, w - 6, first - 5, t.with_alpha(t.STEEL, 200))
    c.hline(6, w - 6, last + 4, t.with_alpha(t.STEEL, 200))
    _badge(c, w / 2, (first - 5 + 26) / 2 + 8)
    for i in range(3):
        c.hline(w // 2 - 8, w // 2 + 8, last + 10 + i * 3, t.with_alpha(t.STEEL_LIGHT, 110))
    c.vline(w - 3, 12, h - 12, t.with_alpha(t.CYAN_DIM, 120))
    return c


def _badge(c, cx, cy):
    """A hexagonal badge: an outline ring around a small lit core."""
    def hexagon(r):
        return [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
                for a in range(-90, 270, 60)]
    outer, inner = Shape.polygon(hexagon(11)), Shape.polygon(hexagon(9.6))
    ring = ImageChops.subtract(outer.mask(c.size), inner.mask(c.size))
    c.paint(ring, t.with_alpha(t.STEEL_LIGHT, 220))
    core = Shape.polygon(hexagon(5)).mask(c.size)
    c.glow(core, t.with_alpha(t.CYAN, 160), 2.5)
    c.paint(core, t.CYAN_SOFT)


def profile_entry(size, current):
    """An entry's plate: plain, or lit for the current profile."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, (0, 5, 0, 5))
    if current:
        glass_plate(c, shape, (0, 85, 105, 215), (0, 38, 50, 225), t.CYAN_DIM)
        c.fill(Shape.rect(0, 0, 3, h), t.CYAN)
        c.glow(Shape.rect(0, 0, 3, h).mask(c.size), t.with_alpha(t.CYAN, 160), 3, clip=shape.mask(c.size))
    else:
        glass_plate(c, shape, (28, 35, 46, 215), (15, 20, 27, 225), t.STEEL_DARK)
        c.fill(Shape.rect(0, 0, 2, h), t.with_alpha(t.STEEL, 200))
    return c


def profile_frame(size, hot):
    """Drawn over an entry: corner ticks at rest, a cyan outline under the mouse."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, (0, 5, 0, 5))
    if hot:
        c.stroke(shape, t.CYAN)
        c.glow(shape.ring(c.size, 0, 1), t.with_alpha(t.CYAN, 120), 2, clip=shape.mask(c.size))
    else:
        c.hline(w - 12, w - 5, h - 1, t.with_alpha(t.STEEL_LIGHT, 150))
        c.hline(0, 7, 0, t.with_alpha(t.STEEL_LIGHT, 150))
    return c


# ---- function menu ------------------------------------------------------------------------


def function_entry(size, hot):
    """An entry of the function menu: a long plate with an accent bar and a chevron."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, (7, 0, 7, 0))
    chevron = Shape.polyline([(w - 16, h / 2 - 5), (w - 11, h / 2), (w - 16, h / 2 + 5)], 1.6)
    bar = Shape.chamfered(4, 7, 7, h - 7, (0, 0, 0, 0))
    if hot:
        glass_plate(c, shape, (0, 92, 112, 215), (0, 36, 48, 225), t.CYAN_SOFT)
        c.stroke(shape, t.with_alpha(t.CYAN, 50), inset=1)
        c.glow(bar.mask(c.size), t.with_alpha(t.CYAN, 200), 3, clip=shape.mask(c.size))
        c.fill(bar, t.CYAN)
        c.fill(chevron, t.CYAN)
    else:
        glass_plate(c, shape, (27, 35, 46, 205), (13, 18, 25, 215), t.STEEL)
        c.fill(bar, t.with_alpha(t.STEEL_LIGHT, 170))
        c.fill(chevron, t.with_alpha(t.STEEL_LIGHT, 200))
    return c
