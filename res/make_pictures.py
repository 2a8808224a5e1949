#!/usr/bin/env python3
"""Draws the program's pictures: an expansion-chamber silhouette.

Writes tubrix.ico (icon group 128: 48, 32 and 16 pixels square, each with
16 colours, 256 colours and 24-bit colour) and chamber.bmp (bitmap 134:
32 x 32, 256 colours). Standard library only; the ICO, BMP and PNG bytes
are put together here. Run it again after changing the drawing and commit
the files it writes.

    python3 res/make_pictures.py

The build also draws the same icon as a PNG with an alpha channel at the
sizes that desktops look for (16 to 256 pixels), for the installed
application icon:

    python3 res/make_pictures.py --png SIZE FILE
"""

import os
import struct
import sys
import zlib

# The chamber seen from the side, left to right: header, three diffuser
# cones, belly, baffle cone, stinger. (x, radius) in fractions of the
# picture width; the outline runs straight between these points.
PROFILE = [
    (0.02, 0.075), (0.16, 0.075),  # header
    (0.27, 0.105), (0.36, 0.17), (0.45, 0.27),  # diffuser cones
    (0.64, 0.27),  # belly
    (0.84, 0.06), (0.98, 0.06),  # baffle cone and stinger
]
FLANGE = (0.02, 0.055, 0.13)  # x, width and half height of the header flange

# The sixteen classic VGA colours; the 16-colour images use exactly these.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
OUTLINE = (0, 0, 0)
STEEL_LIGHT = (255, 255, 255)
STEEL = (192, 192, 192)
STEEL_DARK = (128, 128, 128)
BITMAP_BACKGROUND = (0, 128, 128)
SUPERSAMPLE = 4
# The outline is one pixel wide, but never thinner than 1/64 of the picture,
# so that large icons keep the look of the small ones.
THINNEST_OUTLINE = 1.0 / 64


def radius_at(x):
    """Half height of the chamber at x, or None outside it."""
    for (x0, r0), (x1, r1) in zip(PROFILE, PROFILE[1:]):
        if x0 <= x <= x1:
            return r0 + (r1 - r0) * (x - x0) / (x1 - x0)
    return None


def inside_chamber(x, y, grow=0.0):
    """True when (x, y), y measured from the centre line, lies in the body."""
    if FLANGE[0] - grow <= x <= FLANGE[0] + FLANGE[1] + grow and abs(y) <= FLANGE[2] + grow:
        return True
    r = radius_at(min(max(x, PROFILE[0][0]), PROFILE[-1][0]))
    within_x = PROFILE[0][0] - grow <= x <= PROFILE[-1][0] + grow
    return within_x and abs(y) <= r + grow


def shade(y, r):
    """Steel colour at height y of a section of radius r: lit from above."""
    t = (y + r) / (2 * r) if r > 0 else 0.5  # 0 at the top edge
    if t < 0.3:
        return STEEL_LIGHT
    if t < 0.7:
        return STEEL
    return STEEL_DARK


def draw(size, background, blend=None):
    """Pixel rows (top first), each pixel what blend makes of its samples:
    by default an RGB tuple, or None for a transparent pixel."""
    blend = blend or average
    outline = max(1.0 / size, THINNEST_OUTLINE)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            samples = []
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    x = (px + (sx + 0.5) / SUPERSAMPLE) / size
                    y = (py + (sy + 0.5) / SUPERSAMPLE) / size - 0.5
                    if inside_chamber(x, y, -outline):
                        r = radius_at(min(max(x, PROFILE[0][0]), PROFILE[-1][0]))
                        samples.append(shade(y, max(r, FLANGE[2]) if x < FLANGE[0] + FLANGE[1] else r))
                    elif inside_chamber(x, y):
                        samples.append(OUTLINE)
                    else:
                        samples.append(background)
            row.append(blend(samples))
        rows.append(row)
    return rows


def average(samples):
    solid = [s for s in samples if s is not None]
    if len(solid) * 2 < len(samples):
        return None
    return tuple(round(sum(c[i] for c in solid) / len(solid)) for i in range(3))


def coverage(samples):
    """An RGBA tuple: the mean colour of the solid samples, and as alpha the
    share of the pixel they cover, so that the edges blend into any
    background."""
    solid = [s for s in samples if s is not None]
    if not solid:
        return (0, 0, 0, 0)
    colour = tuple(round(sum(c[i] for c in solid) / len(solid)) for i in range(3))
    return colour + (round(255 * len(solid) / len(samples)),)


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


def palette_256():
    """VGA colours first, then a 6x6x6 colour cube and a grey ramp."""
    colours = list(VGA16)
    levels = [0, 51, 102, 153, 204, 255]
    colours += [(r, g, b) for r in levels for g in levels for b in levels]
    colours += [(v, v, v) for v in range(8, 248, 10)][: 256 - len(colours)]
    return colours + [(0, 0, 0)] * (256 - len(colours))


def row_bytes(bits, width):
    return ((bits * width + 31) // 32) * 4


def pack_pixels(rows, bits, palette):
    """Bottom-up DIB pixel data; transparent pixels become black."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        if bits == 24:
            for c in row:
                c = c or (0, 0, 0)
                line += bytes((c[2], c[1], c[0]))
        else:
            indices = [nearest(palette, c or (0, 0, 0)) for c in row]
            if bits == 8:
                line += bytes(indices)
            else:
                for i in range(0, len(indices), 2):
                    low = indices[i + 1] if i + 1 < len(indices) else 0
                    line.append((indices[i] << 4) | low)
        line += bytes(row_bytes(bits, len(row)) - len(line))
        out += line
    return bytes(out)


def pack_mask(rows):
    """The 1-bit AND mask of an icon, bottom-up: 1 where transparent."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(row_bytes(1, len(row)))
        for x, c in enumerate(row):
            if c is None:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def info_header(width, height, bits, colours):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0,
                       row_bytes(bits, width) * abs(height), 0, 0, colours, 0)


def pack_palette(palette):
    return b''.join(bytes((b, g, r, 0)) for r, g, b in palette)


def icon_image(size, bits):
    rows = draw(size, None)
    palette = {4: VGA16, 8: palette_256(), 24: []}[bits]
    return (info_header(size, size * 2, bits, len(palette)) + pack_palette(palette)
            + pack_pixels(rows, bits, palette) + pack_mask(rows))


def icon_file(images):
    """ICO file of (size, bits, image bytes)."""
    header = struct.pack('<HHH', 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory, data = b'', b''
    for size, bits, image in images:
        colours = 16 if bits == 4 else 0
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0, 1, bits,
                                 len(image), offset + len(data))
        data += image
    return header + directory + data


def bitmap_file(size):
    rows = draw(size, BITMAP_BACKGROUND)
    palette = palette_256()
    info = info_header(size, size, 8, len(palette)) + pack_palette(palette)
    pixels = pack_pixels(rows, 8, palette)
    offset = 14 + len(info)
    return struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset) + info + pixels


def png_chunk(kind, data):
    return (struct.pack('>I', len(data)) + kind + data
            + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))


def png_file(size):
    """The icon as a PNG of size x size pixels, 8-bit RGBA."""
    rows = draw(size, None, coverage)
    raw = b''.join(b'\0' + b''.join(bytes(pixel) for pixel in row) for row in rows)
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + png_chunk(b'IHDR', header)
            + png_chunk(b'IDAT', zlib.compress(raw, 9)) + png_chunk(b'IEND', b''))


def main():
    if len(sys.argv) == 4 and sys.argv[1] == '--png':
        with open(sys.argv[3], 'wb') as f:
            f.write(png_file(int(sys.argv[2])))
        return
    if len(sys.argv) != 1:
        sys.exit('usage: make_pictures.py [--png SIZE FILE]')
    here = os.path.dirname(os.path.abspath(__file__))
    images = [(size, bits, icon_image(size, bits)) for size in (48, 32, 16) for bits in (4, 8, 24)]
    with open(os.path.join(here, 'tubrix.ico'), 'wb') as f:
        f.write(icon_file(images))
    with open(os.path.join(here, 'chamber.bmp'), 'wb') as f:
        f.write(bitmap_file(32))


if __name__ == '__main__':
    main()
