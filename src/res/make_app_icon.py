#!/usr/bin/env python3
"""Draws the application icon: a blue speech bubble holding two text lines of
different lengths, one for a source text and one for its translation. Run it
to regenerate app_icon.png (64 x 64)."""

import math
import sys

from make_waiting_panel import png

SIZE = 64
SAMPLES = 4
BLUE = (33, 118, 210)
WHITE = (255, 255, 255)


def rounded_rect(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return math.hypot(x - cx, y - cy) <= radius


def in_bubble(x, y):
    if rounded_rect(x, y, 4, 6, 60, 46, 9):
        return True
    # The tail under the bubble's lower left part.
    return 44 <= y <= 58 and 14 <= x <= 14 + (58 - y) * 0.9


def in_lines(x, y):
    return (rounded_rect(x, y, 13, 17, 51, 23, 3)
            or rounded_rect(x, y, 13, 29, 39, 35, 3))


def pixel(px, py):
    bubble = lines = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x, y = px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES
            if in_bubble(x, y):
                bubble += 1
                lines += in_lines(x, y)
    if bubble == 0:
        return (0, 0, 0, 0)
    share = lines / bubble
    colour = [round(w * share + b * (1 - share)) for w, b in zip(WHITE, BLUE)]
    return (*colour, round(255 * bubble / SAMPLES ** 2))


if __name__ == "__main__":
    import make_waiting_panel
    make_waiting_panel.WIDTH = make_waiting_panel.HEIGHT = SIZE
    out = sys.argv[1] if len(sys.argv) > 1 else "app_icon.png"
    with open(out, "wb") as f:
        f.write(png([[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]))
