#!/usr/bin/env python3
"""Draws the waiting panel's picture: a white 459 x 171 panel with a one-pixel
grey border and corners rounded with a radius of five pixels, transparent
outside the corners. Run it to regenerate waiting_panel.png."""

import math
import struct
import sys
import zlib

WIDTH, HEIGHT, RADIUS = 459, 171, 5.0
BORDER = (95, 95, 99)
FILL = (255, 255, 255)
SAMPLES = 4  # per axis, for the anti-aliased corners


def distance_outside(x, y):
    """Signed distance of a point from the rounded rectangle's edge."""
    cx = min(max(x, RADIUS), WIDTH - RADIUS)
    cy = min(max(y, RADIUS), HEIGHT - RADIUS)
    return math.hypot(x - cx, y - cy) - RADIUS


def pixel(px, py):
    inside = border = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            d = distance_outside(x, y)
            if d <= 0:
                inside += 1
                if d > -1 or x < 1 or y < 1 or x > WIDTH - 1 or y > HEIGHT - 1:
                    border += 1
    total = SAMPLES * SAMPLES
    if inside == 0:
        return (0, 0, 0, 0)
    share = border / inside
    colour = [round(b * share + f * (1 - share)) for b, f in zip(BORDER, FILL)]
    return (*colour, round(255 * inside / total))


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "waiting_panel.png"
    with open(out, "wb") as f:
        f.write(png([[pixel(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]))
