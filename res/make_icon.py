#!/usr/bin/env python3
"""Draws Brimlet.ico: one 128 x 128 image, 32 bits per pixel (BGRA with alpha).

Reproducible: the same script always writes the same bytes. Standard library only.
Run: python3 res/make_icon.py res/Brimlet.ico
"""
import math
import struct
import sys

SIZE = 128
SAMPLES = 4  # supersampling per axis, for smooth edges


def rounded_square(x, y, inset, radius):
    lo, hi = inset, SIZE - inset
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and lo <= x <= hi and lo <= y <= hi


def corner_bracket(x, y):
    """Four L-shaped marks in the corners: where the wheel acts."""
    arm, thick, margin = 30, 9, 16
    for fx in (False, True):
        for fy in (False, True):
            px = SIZE - x if fx else x
            py = SIZE - y if fy else y
            if margin <= px <= margin + arm and margin <= py <= margin + thick:
                return True
            if margin <= px <= margin + thick and margin <= py <= margin + arm:
                return True
    return False


def wheel(x, y):
    """A mouse wheel in the middle: a rounded pill with three ridges cut out."""
    cx, cy, half_w, half_h = 64, 64, 13, 27
    dx, dy = abs(x - cx), abs(y - cy)
    if dx > half_w or dy > half_h:
        return False
    if dy > half_h - half_w and math.hypot(dx, dy - (half_h - half_w)) > half_w:
        return False
    for ridge in (-12, 0, 12):
        if abs(y - (cy + ridge)) <= 2.0 and dx <= half_w - 4:
            return False
    return True


def colour_at(x, y):
    if not rounded_square(x, y, 2, 26):
        return (0, 0, 0, 0)
    if wheel(x, y):
        return (255, 255, 255, 255)
    if corner_bracket(x, y):
        return (255, 201, 64, 255)
    t = (x + y) / (2 * SIZE)  # diagonal gradient, deep blue to teal
    return (int(24 + 10 * t), int(72 + 90 * t), int(160 + 40 * t), 255)


def pixel(px, py):
    acc = [0.0, 0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            r, g, b, a = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            acc[0] += r * a
            acc[1] += g * a
            acc[2] += b * a
            acc[3] += a
    n = SAMPLES * SAMPLES
    alpha = acc[3] / n
    if alpha == 0:
        return (0, 0, 0, 0)
    return tuple(int(round(c / acc[3])) for c in acc[:3]) + (int(round(alpha)),)


def main(path):
    rows = []
    for py in reversed(range(SIZE)):  # DIB rows run bottom-up
        row = bytearray()
        for px in range(SIZE):
            r, g, b, a = pixel(px, py)
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    xor = b"".join(rows)
    and_mask = bytes(SIZE * SIZE // 8)  # all zero: the alpha channel decides
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + entry + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Brimlet.ico")
