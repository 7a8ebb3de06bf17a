#!/usr/bin/python3
"""Draws every image of skin 1 into modules/img/skin1 (or the directory given), each once as it is
and once at twice as many pixels each way ("name@2x.png"), which Qt takes on screens that scale."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import ImageChops  # noqa: E402

from canvas import set_scale  # noqa: E402
from catalogue import KEY_TYPES, all_images  # noqa: E402
from window import body_shape  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# Images that cover the whole window: nothing of them may show outside its silhouette, or the
# desktop around the window would be tinted.
WINDOW_LAYERS = ("background.png", "frame/frameBackground.png")


def check_silhouette(path, canvas):
    outside = body_shape().mask(canvas.size).point(lambda v: 255 if v == 0 else 0)
    leak = ImageChops.multiply(canvas.img.getchannel("A"), outside).getextrema()[1]
    if leak:
        raise SystemExit(f"{path}: pixels outside the window outline (alpha up to {leak})")


def layout_key_types():
    """The key types that the keyboard layout table gives its caps."""
    with open(os.path.join(REPO, "tools", "data", "z9_layout.txt"), encoding="utf-8") as table:
        return {int(line.split()[1]) for line in table if line.startswith("type ")}


def check_key_types():
    missing = sorted(layout_key_types() - set(KEY_TYPES))
    if missing:
        raise SystemExit(f"key types of the layout table without a key cap: {missing}")


def main():
    check_key_types()
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "modules", "img", "skin1")
    images = all_images()
    for scale in SCALES:
        set_scale(scale)
        for path, size, painter, _why in images:
            draw(out_dir, path, size, painter, scale)
    print(f"{len(images)} images at {len(SCALES)} scales in {out_dir}")


# The scales drawn: Qt takes the 2x picture at every factor above 1 and scales it down.
SCALES = (1, 2)


def scaled_path(path, scale):
    return path if scale == 1 else path[:-len(".png")] + f"@{scale}x.png"


def draw(out_dir, path, size, painter, scale):
    canvas = painter(size)
    pixels = (size[0] * scale, size[1] * scale)
    if canvas.size != size or canvas.img.size != pixels:
        raise SystemExit(f"{path}: drawn {canvas.size} in {canvas.img.size}, expected {size} in {pixels}")
    if path in WINDOW_LAYERS:
        check_silhouette(path, canvas)
    target = os.path.join(out_dir, scaled_path(path, scale))
    os.makedirs(os.path.dirname(target), exist_ok=True)
    canvas.save(target)


if __name__ == "__main__":
    main()
