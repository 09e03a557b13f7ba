#!/usr/bin/env python3
"""Draws the application icon (res/app.ico): a dark rounded tile with a camera lens.

Python 3 standard library only. Run from anywhere: python3 tools/icon/make_icon.py
"""
import math
import os
import struct

SIZES = (16, 24, 32, 48, 64)
SUPERSAMPLE = 4


def coverage(size, x, y, inside):
    """Fraction of the pixel (x, y) for which inside(u, v) holds, u and v in 0..1."""
    hits = 0
    for sy in range(SUPERSAMPLE):
        for sx in range(SUPERSAMPLE):
            u = (x + (sx + 0.5) / SUPERSAMPLE) / size
            v = (y + (sy + 0.5) / SUPERSAMPLE) / size
            hits += inside(u, v)
    return hits / (SUPERSAMPLE * SUPERSAMPLE)


def rounded_square(u, v, r=0.2, m=0.04):
    dx = max(m + r - u, 0, u - (1 - m - r))
    dy = max(m + r - v, 0, v - (1 - m - r))
    return m <= u <= 1 - m and m <= v <= 1 - m and dx * dx + dy * dy <= r * r


def ring(cx, cy, r_out, r_in):
    return lambda u, v: r_in ** 2 <= (u - cx) ** 2 + (v - cy) ** 2 <= r_out ** 2


def disc(cx, cy, r):
    return lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def over(dst, src_rgb, a):
    """Source-over of an opaque colour with coverage a onto a straight-alpha pixel."""
    r, g, b, da = dst
    out_a = a + da * (1 - a)
    if out_a == 0:
        return (0, 0, 0, 0)
    mix = lambda s, d: (s * a + d * da * (1 - a)) / out_a
    return (mix(src_rgb[0], r), mix(src_rgb[1], g), mix(src_rgb[2], b), out_a)


def draw(size):
    layers = [
        (rounded_square, lambda u, v: (38 + 20 * (1 - v), 44 + 22 * (1 - v), 52 + 26 * (1 - v))),
        (ring(0.5, 0.52, 0.33, 0.25), lambda u, v: (107, 138, 162)),
        (disc(0.5, 0.52, 0.25), lambda u, v: (20, 24, 30)),
        (ring(0.5, 0.52, 0.17, 0.12), lambda u, v: (71, 101, 127)),
        (disc(0.42, 0.44, 0.06), lambda u, v: (235, 240, 245)),
        (disc(0.8, 0.2, 0.05), lambda u, v: (230, 70, 60)),
    ]
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            p = (0, 0, 0, 0)
            for inside, colour in layers:
                a = coverage(size, x, y, inside)
                if a > 0:
                    p = over(p, colour((x + 0.5) / size, (y + 0.5) / size), a)
            row.append(tuple(int(round(c)) for c in p[:3]) + (int(round(p[3] * 255)),))
        pixels.append(row)
    return pixels


def icon_image(size):
    pixels = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytes(mask_row * size)  # alpha decides; the mask is unused for 32-bit images
    return header + xor + and_mask


def main():
    images = [icon_image(s) for s in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    target = os.path.join(os.path.dirname(__file__), "..", "..", "res", "app.ico")
    with open(target, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
