#!/usr/bin/env python3
"""Draws docs/corner-zones.svg: the four corner zones of a 1920 x 1080 screen.

The zones are drawn to scale (a quarter of the pixels); their limits are inclusive.
Run: python3 docs/make_corner_zones.py docs/corner-zones.svg
"""
import sys

W, H, SCALE, MARGIN = 1920, 1080, 0.25, 20
LEFT_MAX, RIGHT_MIN, TOP_MAX, BOTTOM_MIN = 150, 1770, 61, 1019
BRIGHTNESS, VOLUME = "#f6c445", "#4a90d9"


def rect(x0, y0, x1, y1, fill):
    """Pixels x0..x1-1, y0..y1-1 of the screen."""
    return (f'<rect x="{x0 * SCALE + MARGIN:.2f}" y="{y0 * SCALE + MARGIN:.2f}" '
            f'width="{(x1 - x0) * SCALE:.2f}" height="{(y1 - y0) * SCALE:.2f}" fill="{fill}"/>')


def text(x, y, lines, anchor="start", weight="normal"):
    spans = "".join(f'<tspan x="{x}" dy="{0 if i == 0 else 14}">{line}</tspan>' for i, line in enumerate(lines))
    return f'<text x="{x}" y="{y}" text-anchor="{anchor}" font-weight="{weight}">{spans}</text>'


def main(path):
    width, height = W * SCALE + 2 * MARGIN, H * SCALE + 2 * MARGIN
    left, right = MARGIN + 48, MARGIN + W * SCALE - 48
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width:.0f}" height="{height:.0f}" '
        f'viewBox="0 0 {width:.0f} {height:.0f}" font-family="sans-serif" font-size="11" fill="#222">',
        "<title>Brimlet's corner zones on a 1920 x 1080 screen</title>",
        rect(0, 0, W, H, "#f2f4f7"),
        rect(0, 0, LEFT_MAX + 1, TOP_MAX + 1, BRIGHTNESS),
        rect(RIGHT_MIN, 0, W, TOP_MAX + 1, BRIGHTNESS),
        rect(0, BOTTOM_MIN, LEFT_MAX + 1, H, VOLUME),
        rect(RIGHT_MIN, BOTTOM_MIN, W, H, VOLUME),
        f'<rect x="{MARGIN}" y="{MARGIN}" width="{W * SCALE}" height="{H * SCALE}" fill="none" stroke="#555"/>',
        text(left, 34, ["top-left (LTControll)", "x 0-150, y 0-61"], weight="bold"),
        text(right, 34, ["top-right (RTControll)", "x 1770-1919, y 0-61"], "end", "bold"),
        text(left, 272, ["bottom-left (LBControll)", "x 0-150, y 1019-1079"], weight="bold"),
        text(right, 272, ["bottom-right (RBControll)", "x 1770-1919, y 1019-1079"], "end", "bold"),
        text(MARGIN + W * SCALE / 2, 140, [
            "1920 x 1080, drawn at a quarter scale",
            "yellow: brightness (the top corners' default)",
            "blue: volume (the bottom corners' default)",
            "no action anywhere else",
        ], "middle"),
        "</svg>",
    ]
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "corner-zones.svg")
