"""Small drawing layer over Pillow for the skin images.

Shapes are rasterised as coverage masks at SUPERSAMPLE times the target size and box-filtered
down, so diagonals and curves are anti-aliased while edges that lie on whole pixel coordinates
stay perfectly crisp. Coordinates are in target pixels, measured at pixel edges: a rectangle
(0, 0, 10, 4) covers exactly the pixels 0..9 by 0..3.

Every image can be drawn at a scale (set_scale): coordinates stay those of the 1x image, and the
pixels are SCALE times as many each way, for screens with more pixels per point.
"""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SUPERSAMPLE = 4
FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
SCALE = 1


def set_scale(scale):
    global SCALE
    SCALE = scale


def px(length):
    """A length of the 1x image in pixels of the image being drawn."""
    return int(round(length * SCALE))


def pixel_size(size):
    return (px(size[0]), px(size[1]))


def font(size):
    return ImageFont.truetype(FONT_DIR + "DejaVuSans-Bold.ttf", px(size))


def text_length(fnt, string):
    """The advance of a text in 1x pixels."""
    return fnt.getlength(string) / SCALE


# ---- outlines -------------------------------------------------------------------------------


def chamfer_rect(x0, y0, x1, y1, corners, inset=0.0):
    """Polygon of a rectangle with 45-degree cut corners (top-left, top-right, bottom-right,
    bottom-left leg lengths), shrunk by `inset` on every side."""
    d = inset
    x0, y0, x1, y1 = x0 + d, y0 + d, x1 - d, y1 - d
    tl, tr, br, bl = (max(c - d * (2 - math.sqrt(2)), 0) if c > 0 else 0 for c in corners)
    return [
        (x0, y0 + tl), (x0 + tl, y0),
        (x1 - tr, y0), (x1, y0 + tr),
        (x1, y1 - br), (x1 - br, y1),
        (x0 + bl, y1), (x0, y1 - bl),
    ]


def inset_polygon(points, d):
    """Moves every edge of a simple polygon, listed clockwise on screen, `d` pixels inwards
    and joins the moved edges again (mitred corners)."""
    if d == 0:
        return list(points)
    n = len(points)
    lines = []
    for i in range(n):
        (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
        length = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        nx, ny = -uy, ux
        lines.append(((x0 + nx * d, y0 + ny * d), (ux, uy)))
    out = []
    for i in range(n):
        (px, py), (ux, uy) = lines[i - 1]
        (qx, qy), (vx, vy) = lines[i]
        cross = ux * vy - uy * vx
        if abs(cross) < 1e-9:
            out.append((qx, qy))
            continue
        k = ((qx - px) * vy - (qy - py) * vx) / cross
        out.append((px + ux * k, py + uy * k))
    return out


class Shape:
    """Something that can draw its own coverage mask, shrunk by an inset."""

    def __init__(self, draw_fn):
        self._draw = draw_fn  # (ImageDraw, scale, inset) -> None

    @staticmethod
    def chamfered(x0, y0, x1, y1, corners):
        def draw(d, s, inset):
            pts = chamfer_rect(x0, y0, x1, y1, corners, inset)
            d.polygon([(x * s, y * s) for x, y in pts], fill=255)
        return Shape(draw)

    @staticmethod
    def rect(x0, y0, x1, y1):
        return Shape.chamfered(x0, y0, x1, y1, (0, 0, 0, 0))

    @staticmethod
    def rounded(x0, y0, x1, y1, radius):
        def draw(d, s, inset):
            r = max(radius - inset, 0)
            box = [(x0 + inset) * s, (y0 + inset) * s, (x1 - inset) * s - 1, (y1 - inset) * s - 1]
            if box[2] > box[0] and box[3] > box[1]:
                d.rounded_rectangle(box, radius=r * s, fill=255)
        return Shape(draw)

    @staticmethod
    def ellipse(cx, cy, rx, ry):
        def draw(d, s, inset):
            a, b = rx - inset, ry - inset
            if a > 0 and b > 0:
                d.ellipse([(cx - a) * s, (cy - b) * s, (cx + a) * s - 1, (cy + b) * s - 1], fill=255)
        return Shape(draw)

    @staticmethod
    def polygon(points):
        """A polygon listed clockwise on screen; insets move its edges inwards."""
        def draw(d, s, inset):
            d.polygon([(x * s, y * s) for x, y in inset_polygon(points, inset)], fill=255)
        return Shape(draw)

    @staticmethod
    def polyline(points, width):
        """An open stroke of the given width along points (pixel-edge coordinates)."""
        def draw(d, s, inset):
            pts = [(x * s, y * s) for x, y in points]
            w = max(int(round(width * s)), 1)
            d.line(pts, fill=255, width=w, joint="curve")
            r = width * s / 2
            for x, y in (pts[0], pts[-1]):
                d.ellipse([x - r, y - r, x + r, y + r], fill=255)
        return Shape(draw)

    @staticmethod
    def arc(cx, cy, radius, start_deg, end_deg, width):
        """Arc stroke; angles in degrees, 0 pointing right, growing clockwise."""
        def draw(d, s, inset):
            r = radius * s
            box = [cx * s - r, cy * s - r, cx * s + r, cy * s + r]
            d.arc(box, start_deg, end_deg, fill=255, width=max(int(round(width * s)), 1))
        return Shape(draw)

    @staticmethod
    def union(*shapes):
        def draw(d, s, inset):
            for shape in shapes:
                shape._draw(d, s, inset)
        return Shape(draw)

    def mask(self, size, inset=0.0):
        w, h = pixel_size(size)
        s = SUPERSAMPLE * SCALE
        big = Image.new("L", (w * SUPERSAMPLE, h * SUPERSAMPLE), 0)
        self._draw(ImageDraw.Draw(big), s, inset)
        return big.resize((w, h), Image.BOX)

    def ring(self, size, outer=0.0, width=1.0):
        """Mask of a band `width` pixels wide lying `outer` pixels inside the outline."""
        return ImageChops.subtract(self.mask(size, outer), self.mask(size, outer + width))


# ---- fills ----------------------------------------------------------------------------------


def lerp(c0, c1, t):
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1))


def vertical_gradient(size, stops):
    """RGBA image whose rows run through the (position 0..1, rgba) stops."""
    w, h = pixel_size(size)
    img = Image.new("RGBA", (1, h))
    for y in range(h):
        t = (y + 0.5) / h
        img.putpixel((0, y), _stop_colour(stops, t))
    return img.resize((w, h), Image.NEAREST)


def horizontal_gradient(size, stops):
    w, h = pixel_size(size)
    img = Image.new("RGBA", (w, 1))
    for x in range(w):
        t = x / max(w - 1, 1)
        img.putpixel((x, 0), _stop_colour(stops, t))
    return img.resize((w, h), Image.NEAREST)


def _stop_colour(stops, t):
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return lerp(_rgba(c0), _rgba(c1), (t - p0) / (p1 - p0) if p1 > p0 else 0)
    return _rgba(stops[-1][1])


def _rgba(colour):
    return tuple(colour) if len(colour) == 4 else tuple(colour) + (255,)


class Canvas:
    def __init__(self, width, height):
        self.size = (width, height)
        self.img = Image.new("RGBA", pixel_size(self.size), (0, 0, 0, 0))

    @property
    def width(self):
        return self.size[0]

    @property
    def height(self):
        return self.size[1]

    # Every operation composites "over" what is already there.

    def paint(self, mask, source):
        """Composite `source` (an RGBA colour or an RGBA image of the canvas size) through an
        L-mode coverage mask."""
        if isinstance(source, Image.Image):
            layer = source.copy()
        else:
            layer = Image.new("RGBA", self.img.size, _rgba(source))
        alpha = ImageChops.multiply(layer.getchannel("A"), mask)
        layer.putalpha(alpha)
        self.img.alpha_composite(layer)

    def fill(self, shape, source, inset=0.0):
        self.paint(shape.mask(self.size, inset), source)

    def stroke(self, shape, colour, inset=0.0, width=1.0):
        """A crisp band just inside the shape's outline."""
        self.paint(shape.ring(self.size, inset, width), colour)

    def glow(self, mask, colour, radius, clip=None):
        blurred = mask.filter(ImageFilter.GaussianBlur(radius * SCALE))
        if clip is not None:
            blurred = ImageChops.multiply(blurred, clip)
        self.paint(blurred, colour)

    def hline(self, x0, x1, y, colour):
        self.fill(Shape.rect(x0, y, x1, y + 1), colour)

    def vline(self, x, y0, y1, colour):
        self.fill(Shape.rect(x, y0, x + 1, y1), colour)

    def hline_fading(self, x0, x1, y, colour, fade):
        """A one-pixel line whose alpha falls to zero over `fade` pixels at both ends."""
        r, g, b, a = _rgba(colour)
        edge = (r, g, b, 0)
        length = x1 - x0
        f = min(fade / length, 0.5) if length else 0.5
        grad = horizontal_gradient((length, 1), [(0, edge), (f, (r, g, b, a)), (1 - f, (r, g, b, a)), (1, edge)])
        layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        layer.paste(grad, (px(x0), px(y)))
        self.img.alpha_composite(layer)

    def dot(self, x, y, colour):
        """One 1x pixel."""
        for dy in range(px(1)):
            for dx in range(px(1)):
                self.img.putpixel((px(x) + dx, px(y) + dy), _rgba(colour))

    def blur(self, radius):
        self.img = self.img.filter(ImageFilter.GaussianBlur(radius * SCALE))

    def composite(self, image, xy):
        """Lays an image of this scale's pixels over the canvas with its corner at xy (1x)."""
        self.img.alpha_composite(image, (px(xy[0]), px(xy[1])))

    def text(self, xy, string, fnt, colour, anchor="mm", spacing=0):
        """Text with optional extra letter spacing, anchored like Pillow's anchors."""
        layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        d = ImageDraw.Draw(layer)
        at = (xy[0] * SCALE, xy[1] * SCALE)
        if spacing == 0:
            d.text(at, string, font=fnt, fill=_rgba(colour), anchor=anchor)
        else:
            widths = [fnt.getlength(ch) for ch in string]
            total = sum(widths) + spacing * SCALE * (len(string) - 1)
            x = at[0] - total / 2 if anchor[0] == "m" else at[0]
            for ch, w in zip(string, widths):
                d.text((x, at[1]), ch, font=fnt, fill=_rgba(colour), anchor="l" + anchor[1])
                x += w + spacing * SCALE
        self.img.alpha_composite(layer)
        return layer.getchannel("A")

    def clip_to(self, mask):
        """Keep only what lies inside mask (alpha multiplied by coverage)."""
        self.img.putalpha(ImageChops.multiply(self.img.getchannel("A"), mask))

    def mirrored(self):
        out = Canvas(*self.size)
        out.img = self.img.transpose(Image.FLIP_LEFT_RIGHT)
        return out

    def save(self, path):
        self.img.save(path, optimize=True)
