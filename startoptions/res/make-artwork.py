#!/usr/bin/python3
"""Draws the start-options program's pictures into this folder:

  Banner.bmp            the dialog background, 453 x 525, 8 bits per pixel, for 96 dpi
  BannerMaster.bmp      the same drawn at twice the size, for greater display scales
  NoticeLine.bmp        the notice sentence in Japanese, 392 x 48, 4 bits per pixel, black on white
  NoticeLineMaster.bmp  the same drawn at twice the size
  Quorvel.ico           the program icon, 64, 48, 40, 32, 24, 20 and 16 pixels square, 256 colours

The results are committed, so building needs none of this. To redraw them (Debian packages):
  apt-get install python3-pil fonts-dejavu-core fonts-ipafont-gothic
  /usr/bin/python3 startoptions/res/make-artwork.py

The files are written by hand rather than by the imaging library: it can't write 4-bit bitmaps,
and its icons hold PNG images, which old systems don't read.
"""

import math
import os
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
SERIF_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"
JAPANESE = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"

NOTICE_TEXT = "日本語はこの版で働かない!"

# The masters are drawn at twice the size, for 200 %; the program shrinks them for the scales
# between and grows them beyond. The icons hold an image for each common size of the system's big
# and small icons from 100 % to 200 %.
MASTER_SCALE = 2
ICON_SIZES = [64, 48, 40, 32, 24, 20, 16]
# How far before the banner's right and bottom edges its drawings have faded into the paper.
FADE = 40

PAPER = (251, 251, 247)
INK = (56, 68, 82)
SAGE = (150, 176, 140)
GOLD = (214, 168, 72)


# --- file writers ---------------------------------------------------------------------------


def row_stride(width, bits):
    return (width * bits + 31) // 32 * 4


def packed_rows(indices, width, height, bits):
    """Pixel indices as bottom-up rows of `bits` per pixel, each padded to 4 bytes."""
    stride = row_stride(width, bits)
    out = bytearray()
    for y in reversed(range(height)):
        row = indices[y * width:(y + 1) * width]
        if bits == 8:
            packed = bytes(row)
        elif bits == 4:
            padded = list(row) + [0] * (len(row) % 2)
            packed = bytes(padded[i] << 4 | padded[i + 1] for i in range(0, len(padded), 2))
        else:
            raise ValueError(bits)
        out += packed + bytes(stride - len(packed))
    return bytes(out)


def mask_rows(opaque, width, height):
    """The icon's AND mask: 1 bit per pixel, set where the picture is transparent."""
    stride = row_stride(width, 1)
    out = bytearray()
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if not opaque[y * width + x]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def info_header(width, height, bits, image_size):
    # BITMAPINFOHEADER, uncompressed, 96 dots per inch, full palette
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 3780, 3780, 0, 0)


def palette_bytes(palette, bits):
    entries = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    return b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in entries)


def write_bmp(path, image, bits):
    """Writes a palette image ("P" mode, at most 2^bits colours) as an uncompressed BMP."""
    width, height = image.size
    flat = image.getpalette()[: 3 << bits]
    palette = [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]
    pixels = packed_rows(list(image.getdata()), width, height, bits)
    body = info_header(width, height, bits, len(pixels)) + palette_bytes(palette, bits) + pixels
    offset = 14 + 40 + 4 * (1 << bits)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, offset) + body)


def icon_image(rgba):
    """One icon image: 8-bit colour part and transparency mask, as a DIB of double height."""
    width, height = rgba.size
    opaque = [a >= 128 for a in rgba.getchannel("A").getdata()]
    flat = Image.new("RGB", rgba.size, (0, 0, 0))
    solid = rgba.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    flat.paste(rgba.convert("RGB"), mask=solid)
    indexed = flat.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    flat_palette = indexed.getpalette()[:768]
    palette = [tuple(flat_palette[i:i + 3]) for i in range(0, len(flat_palette), 3)]
    indices = list(indexed.getdata())
    colour = packed_rows(indices, width, height, 8)
    mask = mask_rows(opaque, width, height)
    header = info_header(width, height * 2, 8, len(colour) + len(mask))
    return header + palette_bytes(palette, 8) + colour + mask


def write_ico(path, images):
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for image in images:
        blob = icon_image(image)
        width, height = image.size
        entries.append(struct.pack("<BBBBHHII", width, height, 0, 0, 1, 8, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs))


# --- drawing ---------------------------------------------------------------------------------


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def draw_emblem(size):
    """The game's emblem: a round field with a hill, a path and a lone tower under a golden arc,
    drawn large and smooth with a transparent surround."""
    big = size * 4
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    s = big / 100.0

    def box(x0, y0, x1, y1):
        return [x0 * s, y0 * s, x1 * s, y1 * s]

    d.ellipse(box(3, 3, 97, 97), fill=INK + (255,))
    field = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    f = ImageDraw.Draw(field)
    for i in range(40):  # sky, pale at the horizon
        t = i / 39
        f.rectangle(box(0, 8 + i * 1.4, 100, 9.6 + i * 1.4),
                    fill=mix((150, 190, 222), (236, 242, 236), t))
    f.ellipse(box(-30, 58, 80, 140), fill=(112, 152, 96))
    f.ellipse(box(30, 52, 140, 140), fill=SAGE)
    path = [(50, 98), (56, 98), (60, 64), (58, 63)]
    f.polygon([(x * s, y * s) for x, y in path], fill=(232, 214, 160))
    f.rectangle(box(62, 34, 71, 60), fill=(236, 230, 214))  # the tower
    f.polygon([(60 * s, 35 * s), (73 * s, 35 * s), (66.5 * s, 24 * s)], fill=(178, 84, 60))
    f.rectangle(box(65, 42, 68, 48), fill=INK)
    inner = Image.new("L", (big, big), 0)
    ImageDraw.Draw(inner).ellipse(box(8, 8, 92, 92), fill=255)
    img.paste(field, (0, 0), inner)
    d.arc(box(14, 14, 86, 86), start=200, end=340, fill=GOLD + (255,), width=max(1, round(5 * s)))
    return img.resize((size, size), Image.LANCZOS)


def glyph(d, x, y, seed, colour, k):
    """One invented glyph in a 7 x 9 cell (times k): a few strokes picked by the seed."""
    strokes = [
        ((0, 0), (6, 0)), ((0, 8), (6, 8)), ((0, 0), (0, 8)), ((6, 0), (6, 8)),
        ((3, 0), (3, 8)), ((0, 4), (6, 4)), ((0, 0), (6, 8)), ((6, 0), (0, 8)),
    ]
    for bit, ((x0, y0), (x1, y1)) in enumerate(strokes):
        if seed >> bit & 1:
            d.line([((x + x0) * k, (y + y0) * k), ((x + x1) * k, (y + y1) * k)], fill=colour,
                   width=k)


def fade_edges(img, fade):
    """Blends the picture into its paper over the last `fade` pixels before the right and bottom
    edges, so that nothing ends in a hard edge where the window is larger than the picture."""
    width, height = img.size

    def ramp(length):
        return [min(255, round(255 * (length - 1 - i) / fade)) for i in range(length)]

    across = Image.new("L", (width, 1))
    across.putdata(ramp(width))
    down = Image.new("L", (1, height))
    down.putdata(ramp(height))
    mask = ImageChops.darker(across.resize((width, height)), down.resize((width, height)))
    return Image.composite(img, Image.new("RGB", img.size, PAPER), mask)


def draw_banner(k):
    """The banner at k times its 453 x 525 pixels: k = 1 for 96 dpi, larger for the master that
    greater display scales are made from."""
    width, height = 453, 525
    band = 105  # the top fifth
    img = Image.new("RGB", (width * k, height * k), PAPER)
    d = ImageDraw.Draw(img)

    def at(points):
        return [(x * k, y * k) for x, y in points]

    # Decorative band: a pale sky over layered hills, edged by a gold rule with diamonds.
    for y in range(band * k):
        d.line([(0, y), (width * k, y)], fill=mix((214, 230, 240), (246, 248, 244), y / (band * k)))
    for layer, (base, amp, colour) in enumerate([(70, 9, (214, 226, 208)), (82, 7, (196, 214, 188)),
                                                 (92, 5, (178, 202, 168))]):
        points = [(0, band)]
        for step in range(0, width * k + 1, 3):
            x = step / k
            points.append((x, base + amp * math.sin(x / (38 + 9 * layer) + layer * 1.7)))
        points.append((width, band))
        d.polygon(at(points), fill=colour)
    d.line(at([(0, band - 3), (width, band - 3)]), fill=GOLD, width=k)
    d.line(at([(0, band), (width, band)]), fill=GOLD, width=k)
    for x in range(6, width, 16):
        d.polygon(at([(x, band - 1.5), (x + 3, band - 4.5), (x + 6, band - 1.5), (x + 3, band + 1.5)]),
                  fill=GOLD)

    # The emblem under its arc, left; the title lettering beside it.
    d.arc([14 * k, 4 * k, 124 * k, 114 * k], start=195, end=345, fill=GOLD, width=3 * k)
    emblem = draw_emblem(72 * k)
    img.paste(emblem, (33 * k, 18 * k), emblem)
    title_font = ImageFont.truetype(SERIF_BOLD, 46 * k)
    shadow = Image.new("L", (width * k, band * k), 0)
    ImageDraw.Draw(shadow).text((132 * k, 22 * k), "KRUMBEL", font=title_font, fill=120)
    shadow = shadow.filter(ImageFilter.GaussianBlur(3 * k))
    img.paste(Image.new("RGB", (width * k, band * k), (255, 255, 255)), (0, 0), shadow)
    d.text((130 * k, 20 * k), "KRUMBEL", font=title_font, fill=INK)

    # Faint grey line drawings below the band: hill contours and a windmill.
    faint = (226, 226, 220)
    for i, base in enumerate(range(150, height, 46)):
        points = [(x / k, base + 10 * math.sin(x / k / (55 + 7 * i) + i))
                  for x in range(0, width * k + 1, 3)]
        d.line(at(points), fill=faint, width=k)
    mill_x, mill_y = 380, 440
    mill = (214, 214, 208)
    d.line(at([(mill_x - 12, mill_y + 40), (mill_x - 5, mill_y), (mill_x + 5, mill_y),
               (mill_x + 12, mill_y + 40)]), fill=mill, width=k)
    for n in range(4):
        a = math.pi / 4 + n * math.pi / 2
        d.line(at([(mill_x, mill_y), (mill_x + 26 * math.cos(a), mill_y + 26 * math.sin(a))]),
               fill=mill, width=k)

    # Glyph columns in the free strip right of the language list and along the right side.
    glyph_colour = (222, 222, 216)
    for column, x in enumerate(range(262, 442, 22)):
        for row, y in enumerate(range(116, 200, 14)):
            glyph(d, x, y, (column * 37 + row * 91 + 23) % 255 | 1, glyph_colour, k)
    for row, y in enumerate(range(116, 505, 14)):
        glyph(d, 404, y, (row * 53 + 11) % 255 | 2, glyph_colour, k)

    img = fade_edges(img, FADE * k)
    # 256 colours, spread by dithering, so that the fades show no steps.
    palette = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT)
    return img.quantize(palette=palette, dither=Image.Dither.FLOYDSTEINBERG)


def draw_notice_line(k):
    """Black Japanese text on white with sixteen grey levels for smooth edges, at k times its
    392 x 48 pixels. The sentence sits in the top 34 pixels, clear of the English line the dialog
    shows below it."""
    width, height = 392 * k, 48 * k
    img = Image.new("L", (width, height), 255)
    d = ImageDraw.Draw(img)
    font = ImageFont.truetype(JAPANESE, 24 * k)
    left, top, right, bottom = d.textbbox((0, 0), NOTICE_TEXT, font=font)
    x = (352 * k - (right - left)) // 2 - left  # centred on the part the dialog shows
    d.text((x, 5 * k - top), NOTICE_TEXT, font=font, fill=0)
    grey = Image.new("P", (1, 1))
    grey.putpalette([v for i in range(16) for v in (i * 17,) * 3])
    return img.convert("RGB").quantize(palette=grey, dither=Image.Dither.NONE)


def draw_icons():
    return [draw_emblem(size) for size in ICON_SIZES]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else HERE
    write_bmp(os.path.join(out, "Banner.bmp"), draw_banner(1), 8)
    write_bmp(os.path.join(out, "BannerMaster.bmp"), draw_banner(MASTER_SCALE), 8)
    write_bmp(os.path.join(out, "NoticeLine.bmp"), draw_notice_line(1), 4)
    write_bmp(os.path.join(out, "NoticeLineMaster.bmp"), draw_notice_line(MASTER_SCALE), 4)
    write_ico(os.path.join(out, "Quorvel.ico"), draw_icons())


if __name__ == "__main__":
    main()
