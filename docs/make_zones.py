#!/usr/bin/env python3
"""Draws docs/zones.svg: where the wheel acts on a 1920 x 1080 screen.

The four corner zones are drawn to scale (a quarter of the pixels), their
limits inclusive; a taskbar of 48 pixels lies along the bottom; the four
edges, each the outermost pixel row or column, are drawn wider than they are
so that they can be seen.
Run: python3 docs/make_zones.py docs/zones.svg
"""
import sys

W, H, SCALE, MARGIN = 1920, 1080, 0.25, 20
LEFT_MAX, RIGHT_MIN, TOP_MAX, BOTTOM_MIN = 150, 1770, 61, 1019
TASKBAR_TOP = 1080 - 48
EDGE = 12  # pixels drawn for an edge of one
BRIGHTNESS, VOLUME, TASKBAR, EDGES = "#f6c445", "#4a90d9", "#c9d3df", "#9b6fd1"


def rect(x0, y0, x1, y1, fill, extra=""):
    """Pixels x0..x1-1, y0..y1-1 of the screen."""
    return (f'<rect x="{x0 * SCALE + MARGIN:.2f}" y="{y0 * SCALE + MARGIN:.2f}" '
            f'width="{(x1 - x0) * SCALE:.2f}" height="{(y1 - y0) * SCALE:.2f}" fill="{fill}"{extra}/>')


def text(x, y, lines, anchor="start", weight="normal"):
    spans = "".join(f'<tspan x="{x}" dy="{0 if i == 0 else 14}">{line}</tspan>' for i, line in enumerate(lines))
    return f'<text x="{x}" y="{y}" text-anchor="{anchor}" font-weight="{weight}">{spans}</text>'


def main(path):
    width, height = W * SCALE + 2 * MARGIN, H * SCALE + 2 * MARGIN
    left, right = MARGIN + 48, MARGIN + W * SCALE - 48
    parts = [
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width:.0f}" height="{height:.0f}" '
        f'viewBox="0 0 {width:.0f} {height:.0f}" font-family="sans-serif" font-size="11" fill="#222">',
        "<title>Where Brimlet's wheel acts on a 1920 x 1080 screen: corners, taskbar, edges</title>",
        rect(0, 0, W, H, "#f2f4f7"),
        rect(0, TASKBAR_TOP, W, H, TASKBAR),
        rect(0, 0, W, EDGE, EDGES),
        rect(0, H - EDGE, W, H, EDGES),
        rect(0, 0, EDGE, H, EDGES),
        rect(W - EDGE, 0, W, H, EDGES),
        rect(0, 0, LEFT_MAX + 1, TOP_MAX + 1, BRIGHTNESS),
        rect(RIGHT_MIN, 0, W, TOP_MAX + 1, BRIGHTNESS),
        rect(0, BOTTOM_MIN, LEFT_MAX + 1, H, VOLUME),
        rect(RIGHT_MIN, BOTTOM_MIN, W, H, VOLUME),
        f'<rect x="{MARGIN}" y="{MARGIN}" width="{W * SCALE}" height="{H * SCALE}" fill="none" stroke="#555"/>',
        text(left, 34, ["top-left (LTControll)", "x 0-150, y 0-61"], weight="bold"),
        text(right, 34, ["top-right (RTControll)", "x 1770-1919, y 0-61"], "end", "bold"),
        text(left, 252, ["bottom-left (LBControll)", "x 0-150, y 1019-1079"], weight="bold"),
        text(right, 252, ["bottom-right (RBControll)", "x 1770-1919, y 1019-1079"], "end", "bold"),
        text(MARGIN + W * SCALE / 2, 281, ["taskbar (Taskbar)"], "middle", "bold"),
        text(MARGIN + W * SCALE / 2, 70, ["top edge (TopEdge): the row y 0"], "middle"),
        text(MARGIN + 16, 150, ["left edge", "(LeftEdge):", "x 0"]),
        text(MARGIN + W * SCALE - 16, 150, ["right edge", "(RightEdge):", "x 1919"], "end"),
        text(MARGIN + W * SCALE / 2, 104, [
            "1920 x 1080, drawn at a quarter scale",
            "yellow: brightness (the top corners' default)",
            "blue: volume (the bottom corners' default)",
            "grey: a taskbar; purple: the edges, one pixel each",
            "(drawn wider), the bottom edge (BottomEdge) too;",
            "taskbar and edges act only when set",
            "a corner with an action keeps it over them",
        ], "middle"),
        "</svg>",
    ]
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "zones.svg")
