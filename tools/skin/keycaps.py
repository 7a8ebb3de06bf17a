"""Key caps of the keyboard pictures: a cap ("-0") and the frame drawn over it ("-1")."""

from canvas import Canvas, Shape, vertical_gradient
import theme as t

RADIUS = 3.5
# The top face is inset from the cap's edge, more at the bottom, where the skirt shows.
FACE_INSET = (2, 1, 2, 3)  # left, top, right, bottom


def cap(size):
    """A dark sculpted cap: skirt, a lighter dished top face, a rim of light on its upper
    edge; the label is drawn by the scene in the middle of the face."""
    w, h = size
    c = Canvas(w, h)
    outer = Shape.rounded(0, 0, w, h, RADIUS)
    c.fill(outer, vertical_gradient(c.size, [(0, (22, 28, 37, 255)), (1, t.CAP_SIDE)]))
    l, tp, r, b = FACE_INSET
    face = Shape.rounded(l, tp, w - r, h - b, RADIUS - 1)
    c.fill(face, vertical_gradient(c.size, [(0, t.CAP_TOP_HIGH), (0.5, (35, 43, 55, 255)), (1, t.CAP_TOP_LOW)]))
    c.stroke(face, t.with_alpha(t.CAP_RIM, 150))
    c.fill(Shape.rect(l + 2, tp, w - r - 2, tp + 1), t.with_alpha((110, 128, 148), 200))
    c.stroke(outer, t.CAP_EDGE)
    return c


def frame(size):
    """The highlight that marks a key under the pointer, selected or changed: a cyan outline
    with a soft glow inside it."""
    w, h = size
    c = Canvas(w, h)
    outer = Shape.rounded(0, 0, w, h, RADIUS)
    ring = outer.ring(c.size, 0, 1)
    c.glow(ring, t.with_alpha(t.CYAN, 210), 2.5, clip=outer.mask(c.size))
    c.paint(ring, t.CYAN)
    c.stroke(outer, t.with_alpha(t.CYAN, 70), inset=2)
    return c
