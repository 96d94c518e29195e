#!/usr/bin/python3
"""Draws the tweak tool's program icon, Tinkrel.ico (64, 48, 40, 32, 24, 20 and 16 pixels square,
256 colours each): three slider grooves with their knobs at different positions, on a rounded
slate tile. Each size is drawn on its own pixel grid so that the small ones stay crisp.

The icon file is written by the start-options program's artwork generator, so both programs'
icons have the same form (8-bit colour and a transparency mask, which old systems read). The
result is committed, so building needs none of this. To redraw it (Debian package python3-pil):
  /usr/bin/python3 tweaktool/res/make-artwork.py
"""

import os
import runpy
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
GENERATOR = os.path.join(HERE, "..", "..", "startoptions", "res", "make-artwork.py")

EDGE = (27, 42, 51, 255)
TILE = (47, 72, 88, 255)
GROOVE = (159, 179, 192, 255)
KNOBS = [(246, 174, 45, 255), (134, 187, 216, 255), (242, 100, 25, 255)]

# size: tile corner radius, groove margin, knob half width and half height, knob (y, x) per track.
# 16 pixels has a layout of its own; the other sizes are the 32-pixel one at their scale.
LAYOUTS = {
    32: (5, 5, 2, 4, [(9, 20), (16, 10), (23, 16)]),
    16: (2, 2, 1, 2, [(4, 10), (8, 5), (12, 8)]),
}
ICON_SIZES = [64, 48, 40, 32, 24, 20, 16]


def layout(size):
    if size in LAYOUTS:
        return LAYOUTS[size]
    radius, margin, half_width, half_height, knobs = LAYOUTS[32]

    def scaled(value):
        return max(1, round(value * size / 32))

    return (scaled(radius), scaled(margin), scaled(half_width), scaled(half_height),
            [(scaled(y), scaled(x)) for y, x in knobs])


def generator_function(name):
    """A function of the start-options program's artwork generator, run as a module."""
    return runpy.run_path(GENERATOR, run_name="artwork_generator")[name]


def draw_icon(size):
    radius, margin, half_width, half_height, knobs = layout(size)
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    last = size - 1
    d.rounded_rectangle((0, 0, last, last), radius=radius, fill=TILE, outline=EDGE)
    for (y, x), colour in zip(knobs, KNOBS):
        d.rectangle((margin, y - 1, last - margin, y), fill=GROOVE)
        d.rectangle((x - half_width, y - half_height, x + half_width, y + half_height),
                    fill=colour, outline=EDGE)
    return img


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else HERE
    generator_function("write_ico")(os.path.join(out, "Tinkrel.ico"),
                                    [draw_icon(size) for size in ICON_SIZES])


if __name__ == "__main__":
    main()
