"""The common controls: slider and drop-down field, cells, list well and row line, number
field, swatch rail, palette, check box and the frame around a pair of buttons. (The push and
icon buttons are parts.button.)"""

from canvas import Canvas, Shape, horizontal_gradient, vertical_gradient
from icons import check
from parts import glass_plate
import theme as t

# The palette strip's stops: black, red, yellow, green, cyan, blue, magenta, white, black.
PALETTE_STOPS = [(i / 8, c) for i, c in enumerate([
    (0, 0, 0), (255, 0, 0), (255, 255, 0), (0, 255, 0), (0, 255, 255),
    (0, 0, 255), (255, 0, 255), (255, 255, 255), (0, 0, 0)])]


def field(size):
    """The slider's track, which is also every drop-down header and list row."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.rect(0, 0, w, h)
    c.fill(shape, vertical_gradient(c.size, [(0, (6, 8, 12, 235)), (1, (16, 21, 28, 235))]))
    c.stroke(shape, t.STEEL)
    c.hline(1, w - 1, 1, (0, 0, 0, 110))
    c.fill(Shape.rect(0, 3, 2, h - 3), t.with_alpha(t.CYAN_DIM, 230))
    return c


def cell(size, lit):
    """One step of a slider or one cell of the direction picker."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.rect(0, 0, w, h)
    if lit:
        c.fill(shape, vertical_gradient(c.size, [(0, (60, 250, 255, 255)), (1, (0, 170, 200, 255))]))
        c.stroke(shape, (0, 110, 130, 255))
        c.hline(1, w - 1, 1, (200, 255, 255, 200))
    else:
        c.fill(shape, vertical_gradient(c.size, [(0, (27, 34, 44, 245)), (1, (17, 22, 29, 245))]))
        c.stroke(shape, (44, 54, 67, 255))
        c.hline(1, w - 1, 1, t.SHEEN)
    return c


def file_list(size):
    """The well behind a file list, with the scroll bar's gutter at its right."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.rect(0, 0, w, h)
    c.fill(shape, vertical_gradient(c.size, [(0, (4, 6, 9, 230)), (1, (11, 14, 20, 230))]))
    c.stroke(shape, t.STEEL)
    c.hline(1, w - 1, 1, (0, 0, 0, 120))
    gutter = w - 18
    c.vline(gutter, 1, h - 1, t.with_alpha(t.STEEL_DARK, 200))
    c.vline(w - 3, 4, h - 4, t.with_alpha(t.STEEL, 90))
    c.hline(0, 24, 0, t.CYAN_SOFT)
    return c


def row_line(size):
    w, h = size
    c = Canvas(w, h)
    c.hline_fading(0, w, 0, t.with_alpha(t.STEEL, 230), 16)
    return c


def number_field(size):
    w, h = size
    c = Canvas(w, h)
    shape = Shape.rect(0, 0, w, h)
    c.fill(shape, (4, 6, 9, 235))
    c.stroke(shape, t.STEEL)
    c.hline(1, w - 1, h - 2, t.with_alpha(t.CYAN_DIM, 200))
    return c


def swatch_frame(size):
    """A recessed rail that the seven colour swatches fill."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.rect(0, 0, w, h)
    c.fill(shape, (3, 5, 8, 220))
    c.stroke(shape, t.STEEL)
    c.hline(1, 12, h - 1, t.CYAN_SOFT)
    return c


def palette_strip(size):
    """The palette's frame: the gradient (which the scene lays over its middle rows) with a
    scale of ticks at every eighth above and below it."""
    w, h = size
    c = Canvas(w, h)
    c.fill(Shape.rect(0, 0, w, h), (3, 5, 8, 230))
    c.composite(horizontal_gradient((w, h - 6), PALETTE_STOPS), (0, 3))
    c.stroke(Shape.rect(0, 0, w, h), t.STEEL)
    for k in range(9):
        x = min(round(k * (w - 1) / 8), w - 1)
        c.vline(x, 0, 3, t.STEEL_LIGHT)
        c.vline(x, h - 3, h, t.STEEL_LIGHT)
    return c


def checkbox(size, checked):
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, (0, 0, 3, 0))
    if checked:
        c.fill(shape, (0, 50, 62, 235))
        c.stroke(shape, t.CYAN_SOFT)
        mask = check(2, 2, (w - 4) / 16).mask(c.size)
        c.glow(mask, t.with_alpha(t.CYAN, 180), 1.5, clip=shape.mask(c.size, 1))
        c.paint(mask, t.CYAN)
    else:
        c.fill(shape, (4, 6, 9, 235))
        c.stroke(shape, t.STEEL_LIGHT)
        c.hline(1, w - 1, 1, (0, 0, 0, 130))
    return c


def two_button_frame(size):
    """A rail that holds a pair of buttons side by side, 4 pixels in from every edge."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, (6, 0, 6, 0))
    glass_plate(c, shape, (6, 8, 12, 170), (3, 4, 7, 190), t.with_alpha(t.STEEL, 220), sheen=False)
    c.vline(w // 2, 7, h - 7, t.with_alpha(t.STEEL, 160))
    c.hline(w - 30, w - 6, h - 1, t.CYAN_SOFT)
    return c

