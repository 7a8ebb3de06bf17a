#!/usr/bin/python3
"""Draws every image of skin 1 into modules/img/skin1 (or the directory given)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from catalogue import all_images  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "modules", "img", "skin1")
    for path, size, painter, _why in all_images():
        canvas = painter(size)
        if canvas.size != size:
            raise SystemExit(f"{path}: drawn {canvas.size}, expected {size}")
        target = os.path.join(out_dir, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        canvas.save(target)
    print(f"{len(all_images())} images in {out_dir}")


if __name__ == "__main__":
    main()
