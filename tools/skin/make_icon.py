#!/usr/bin/python3
"""Draws the application icon into packaging/icons (or the directory given): korvane.svg for the
scalable size and korvane-256.png, both from one description, in the skin's colours.

The icon is a few key caps on smoked glass with one cap lit in the scene's cyan. Every layer is
a rounded rectangle filled with a vertical gradient, which both SVG and the skin's Pillow canvas
draw alike, so the two files show the same picture.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import theme  # noqa: E402
from canvas import Canvas, Shape, vertical_gradient  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DESIGN = 256  # the description's coordinate box
PNG_SIZE = 256

GLASS_HIGH = (26, 34, 46, 255)
GLASS_LOW = (8, 10, 14, 255)

CAP_W, CAP_H, GAP = 38, 36, 8
KEYS_X, KEYS_Y = 40, 50
# (row, first column, columns spanned, lit)
CAPS = [
    (0, 0, 1, False), (0, 1, 1, False), (0, 2, 1, False), (0, 3, 1, False),
    (1, 0, 1, False), (1, 1, 1, False), (1, 2, 1, True), (1, 3, 1, False),
    (2, 0, 1, False), (2, 1, 2, False), (2, 3, 1, False),
]


def cap_layers(row, column, span, lit):
    x0 = KEYS_X + column * (CAP_W + GAP)
    y0 = KEYS_Y + row * (CAP_H + GAP)
    x1, y1 = x0 + span * CAP_W + (span - 1) * GAP, y0 + CAP_H
    if lit:
        edge, top = (theme.CYAN_SOFT, theme.CYAN_DIM), (theme.CYAN, theme.CYAN_SOFT)
    else:
        edge, top = (theme.CAP_RIM, theme.CAP_EDGE), (theme.CAP_TOP_HIGH, theme.CAP_TOP_LOW)
    return [((x0, y0, x1, y1), 7, edge), ((x0 + 3, y0 + 2, x1 - 3, y1 - 5), 5, top)]


def layers():
    """(box, corner radius, (top colour, bottom colour)) from back to front."""
    body = [
        ((12, 12, 244, 244), 48, (theme.STEEL_LIGHT, theme.STEEL_DARK)),
        ((16, 16, 240, 240), 44, (GLASS_HIGH, GLASS_LOW)),
        ((40, 194, 216, 200), 3, (theme.CYAN_SOFT, theme.CYAN_DIM)),
    ]
    return body + [layer for cap in CAPS for layer in cap_layers(*cap)]


def svg_colour(colour):
    return "#%02x%02x%02x" % colour[:3]


def write_svg(path):
    defs, shapes = [], []
    for n, ((x0, y0, x1, y1), radius, (high, low)) in enumerate(layers()):
        defs.append(
            f'<linearGradient id="g{n}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{svg_colour(high)}"/>'
            f'<stop offset="1" stop-color="{svg_colour(low)}"/></linearGradient>')
        shapes.append(f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" '
                      f'rx="{radius}" fill="url(#g{n})"/>')
    with open(path, "w") as out:
        out.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{DESIGN}" height="{DESIGN}" '
                  f'viewBox="0 0 {DESIGN} {DESIGN}">\n<defs>\n')
        out.write("\n".join(defs))
        out.write("\n</defs>\n")
        out.write("\n".join(shapes))
        out.write("\n</svg>\n")


def draw_png(size):
    canvas = Canvas(size, size)
    k = size / DESIGN
    for (x0, y0, x1, y1), radius, (high, low) in layers():
        box = (x0 * k, y0 * k, x1 * k, y1 * k)
        # The gradient runs over the layer's own height, as objectBoundingBox does in SVG.
        top, bottom = box[1] / size, box[3] / size
        stops = [(0, high), (top, high), (bottom, low), (1, low)]
        canvas.fill(Shape.rounded(*box, radius * k), vertical_gradient(canvas.size, stops))
    return canvas


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "packaging", "icons")
    os.makedirs(out_dir, exist_ok=True)
    write_svg(os.path.join(out_dir, "korvane.svg"))
    draw_png(PNG_SIZE).save(os.path.join(out_dir, f"korvane-{PNG_SIZE}.png"))
    print(f"korvane.svg and korvane-{PNG_SIZE}.png in {out_dir}")


if __name__ == "__main__":
    main()
