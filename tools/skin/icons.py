"""Glyphs of the icon buttons, drawn as strokes in a 16 x 16 design box.

Each glyph function returns a Shape, given the box's top-left corner and scale in target
pixels; buttons colour and place it. Glyphs carry no text, so they read the same in every
interface language.
"""

import math

from canvas import Shape

STROKE = 1.6  # in design units


def _map(ox, oy, k, points):
    return [(ox + x * k, oy + y * k) for x, y in points]


def _line(ox, oy, k, points, width=STROKE):
    return Shape.polyline(_map(ox, oy, k, points), width * k)


def gear(ox, oy, k):
    teeth = []
    cx, cy = 8, 8
    for i in range(8):
        a = math.radians(i * 45)
        da = math.radians(13)
        r0, r1 = 5.4, 7.6
        teeth.append(Shape.polygon(_map(ox, oy, k, [
            (cx + r0 * math.cos(a - da * 1.3), cy + r0 * math.sin(a - da * 1.3)),
            (cx + r1 * math.cos(a - da), cy + r1 * math.sin(a - da)),
            (cx + r1 * math.cos(a + da), cy + r1 * math.sin(a + da)),
            (cx + r0 * math.cos(a + da * 1.3), cy + r0 * math.sin(a + da * 1.3)),
        ])))
    ring = Shape.arc(ox + cx * k, oy + cy * k, 4.9 * k, 0, 360, 2.4 * k)
    return Shape.union(ring, *teeth)


def close(ox, oy, k):
    return Shape.union(_line(ox, oy, k, [(3.5, 3.5), (12.5, 12.5)]),
                       _line(ox, oy, k, [(12.5, 3.5), (3.5, 12.5)]))


def check(ox, oy, k):
    return _line(ox, oy, k, [(2.5, 8.5), (6.2, 12.2), (13.5, 4)], 1.9)


def plus(ox, oy, k):
    return Shape.union(_line(ox, oy, k, [(8, 2.5), (8, 13.5)], 1.8),
                       _line(ox, oy, k, [(2.5, 8), (13.5, 8)], 1.8))


def minus(ox, oy, k):
    return _line(ox, oy, k, [(2.5, 8), (13.5, 8)], 1.8)


def reset(ox, oy, k):
    """A circular arrow turning anticlockwise."""
    arc = Shape.arc(ox + 8 * k, oy + 8.5 * k, 5.2 * k, 200, 500, STROKE * k)
    head = Shape.polygon(_map(ox, oy, k, [(0.6, 6.6), (6.0, 6.9), (2.6, 11.4)]))
    return Shape.union(arc, head)


def record(ox, oy, k):
    return Shape.ellipse(ox + 8 * k, oy + 8 * k, 4.6 * k, 4.6 * k)


def stop(ox, oy, k):
    return Shape.rect(ox + 3.8 * k, oy + 3.8 * k, ox + 12.2 * k, oy + 12.2 * k)


def trash(ox, oy, k):
    lid = _line(ox, oy, k, [(2.5, 4.2), (13.5, 4.2)], 1.5)
    handle = _line(ox, oy, k, [(6, 4), (6.6, 2.2), (9.4, 2.2), (10, 4)], 1.3)
    body = _line(ox, oy, k, [(4, 6), (4.8, 14), (11.2, 14), (12, 6)], 1.5)
    ribs = Shape.union(_line(ox, oy, k, [(6.8, 7), (7, 12)], 1.1),
                       _line(ox, oy, k, [(9.2, 7), (9, 12)], 1.1))
    return Shape.union(lid, handle, body, ribs)


def cut(ox, oy, k):
    blades = Shape.union(_line(ox, oy, k, [(4.5, 1.8), (10.6, 10.2)], 1.4),
                         _line(ox, oy, k, [(11.5, 1.8), (5.4, 10.2)], 1.4))
    left = Shape.arc(ox + 4.6 * k, oy + 12 * k, 2.3 * k, 0, 360, 1.4 * k)
    right = Shape.arc(ox + 11.4 * k, oy + 12 * k, 2.3 * k, 0, 360, 1.4 * k)
    return Shape.union(blades, left, right)


def copy(ox, oy, k):
    back = _line(ox, oy, k, [(5.5, 3.5), (5.5, 1.8), (13.8, 1.8), (13.8, 10.5), (12, 10.5)], 1.3)
    front = _line(ox, oy, k, [(2.2, 5.2), (10.3, 5.2), (10.3, 14.2), (2.2, 14.2), (2.2, 5.2)], 1.4)
    return Shape.union(back, front)


def paste(ox, oy, k):
    board = _line(ox, oy, k, [(5, 3), (2.8, 3), (2.8, 14.4), (13.2, 14.4), (13.2, 3), (11, 3)], 1.4)
    clip = Shape.rect(ox + 5.4 * k, oy + 1.4 * k, ox + 10.6 * k, oy + 4.6 * k)
    lines = Shape.union(_line(ox, oy, k, [(5.4, 8), (10.6, 8)], 1.2),
                        _line(ox, oy, k, [(5.4, 11), (10.6, 11)], 1.2))
    return Shape.union(board, clip, lines)

