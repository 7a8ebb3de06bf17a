"""Building blocks shared by the skin's images: glass plates, buttons and icon buttons."""

from PIL import ImageChops

from canvas import Canvas, Shape, vertical_gradient
import theme as t


def glass_plate(c, shape, top, bottom, border, sheen=True):
    """A filled plate with a one-pixel border and a faint sheen line just inside its top."""
    c.fill(shape, vertical_gradient(c.size, [(0, top), (1, bottom)]))
    if sheen:
        c.paint(_top_band(shape, c.size), t.SHEEN)
    c.stroke(shape, border)


def _top_band(shape, size):
    """The inner ring of a shape limited to its upper rows: a highlight catching the light."""
    ring = shape.ring(size, 1, 1)
    top = Shape.rect(0, 0, size[0], 3).mask(size)
    return ImageChops.multiply(ring, top)


def button(size, glyph, hot, accent=None, corners=(4, 0, 4, 0)):
    """A chamfered push button with a centred 16 x 16 glyph: normal (grey) or hot (cyan).
    With accent "red" the glyph is red in both states (the record button)."""
    w, h = size
    c = Canvas(w, h)
    shape = Shape.chamfered(0, 0, w, h, corners)
    if hot:
        glass_plate(c, shape, (0, 90, 110, 200), (0, 40, 52, 220), t.CYAN_SOFT)
        c.stroke(shape, t.with_alpha(t.CYAN, 60), inset=1)
    else:
        glass_plate(c, shape, (30, 38, 49, 220), (15, 20, 27, 230), t.STEEL)
    k = min(1.0, (min(w, h) - 6) / 16)  # glyph scale: 16 pixels, less on small buttons
    gx, gy = (w - 16 * k) / 2, (h - 16 * k) / 2
    if accent == "red":
        colour = t.RED if hot else t.with_alpha(t.RED, 190)
    else:
        colour = t.CYAN if hot else t.TEXT
    mask = glyph(gx, gy, k).mask(c.size)
    if hot:
        c.glow(mask, t.with_alpha(colour, 150), 2.0, clip=shape.mask(c.size, 1))
    c.paint(mask, colour)
    return c
