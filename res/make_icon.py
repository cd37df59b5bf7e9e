#!/usr/bin/env python3
"""Draws Brimlet.ico: the program's icon at 16, 20, 24, 32, 40, 48, 64 and 256
pixels, 32 bits per pixel with alpha; the images of 24 pixels and more
PNG-compressed, as Windows reads them since Vista (the 16- and 20-pixel ones,
which the notification area uses at 96 and 120 DPI, stay plain bitmaps).

Each size is drawn for itself, with strokes and gaps in whole pixels and fewer
details the smaller it gets, rather than scaled down from one large image: a
blue rounded square, four amber corner marks (where the wheel acts) and a white
mouse wheel in the middle, with ridges where there is room for them.

Reproducible: the same script always writes the same bytes. Standard library only.
Run: python3 res/make_icon.py res/Brimlet.ico
"""
import math
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
SAMPLES = 4  # supersampling per axis, for smooth edges


class Design:
    """The geometry for one size, in pixels of that size."""

    def __init__(self, size):
        self.size = size
        s = size
        self.inset = 0 if s <= 24 else max(1, round(s / 64))
        self.radius = max(2, round(s * 0.2))
        # Corner marks: at least 2 px thick at the smallest sizes, arms long enough to read.
        self.thick = max(2, round(s * 0.07))
        self.arm = max(self.thick + 2, round(s * 0.23))
        self.margin = max(2, round(s * 0.12))
        # The wheel: a pill in the middle, its width an even or odd pixel count to match the size.
        self.half_w = max(2.0, round(s * 0.1))
        self.half_h = max(4.0, round(s * 0.21))
        if s <= 20:
            self.ridges = ()
        elif s <= 32:
            self.ridges = (0,)
        else:
            self.ridges = (-round(s * 0.094), 0, round(s * 0.094))
        self.ridge_half = max(0.5, s / 64)

    def rounded_square(self, x, y):
        lo, hi, r = self.inset, self.size - self.inset, self.radius
        if not (lo <= x <= hi and lo <= y <= hi):
            return False
        cx = min(max(x, lo + r), hi - r)
        cy = min(max(y, lo + r), hi - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    def corner_mark(self, x, y):
        s, m, a, t = self.size, self.margin, self.arm, self.thick
        px = min(x, s - x)
        py = min(y, s - y)
        return (m <= px <= m + a and m <= py <= m + t) or (m <= px <= m + t and m <= py <= m + a)

    def wheel(self, x, y):
        c = self.size / 2
        dx, dy = abs(x - c), abs(y - c)
        hw, hh = self.half_w, self.half_h
        if dx > hw or dy > hh:
            return False
        if dy > hh - hw and math.hypot(dx, dy - (hh - hw)) > hw:
            return False
        for ridge in self.ridges:
            if abs(y - (c + ridge)) <= self.ridge_half and dx <= hw - max(1.0, self.size / 32):
                return False
        return True

    def colour_at(self, x, y):
        if not self.rounded_square(x, y):
            return (0, 0, 0, 0)
        if self.wheel(x, y):
            return (255, 255, 255, 255)
        if self.corner_mark(x, y):
            return (255, 201, 64, 255)
        t = (x + y) / (2 * self.size)  # diagonal gradient, deep blue to teal
        return (int(24 + 10 * t), int(72 + 90 * t), int(160 + 40 * t), 255)

    def pixel(self, px, py):
        acc = [0.0, 0.0, 0.0, 0.0]
        for sy in range(SAMPLES):
            for sx in range(SAMPLES):
                r, g, b, a = self.colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                acc[0] += r * a
                acc[1] += g * a
                acc[2] += b * a
                acc[3] += a
        alpha = acc[3] / (SAMPLES * SAMPLES)
        if alpha == 0:
            return (0, 0, 0, 0)
        return tuple(int(round(c / acc[3])) for c in acc[:3]) + (int(round(alpha)),)

    def rows(self):
        """RGBA rows from the top."""
        return [[self.pixel(px, py) for px in range(self.size)] for py in range(self.size)]


def bmp_image(size, rows):
    """The image as an icon entry: BITMAPINFOHEADER, BGRA rows bottom-up, an empty AND mask."""
    xor = b"".join(bytes(c for (r, g, b, a) in row for c in (b, g, r, a)) for row in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    and_mask = bytes(mask_stride * size)  # all zero: the alpha channel decides
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def png_image(size, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main(path):
    images = []
    for size in SIZES:
        rows = Design(size).rows()
        images.append(png_image(size, rows) if size >= 24 else bmp_image(size, rows))
    directory = struct.pack("<HHH", 0, 1, len(SIZES))
    offset = 6 + 16 * len(SIZES)
    entries = b""
    for size, image in zip(SIZES, images):
        dimension = size if size < 256 else 0  # 0 means 256
        entries += struct.pack("<BBBBHHII", dimension, dimension, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as out:
        out.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Brimlet.ico")
