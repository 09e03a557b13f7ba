#!/usr/bin/env python3
"""Composes a mock of the main window from the generated skin images.

    python3 tools/skin/preview_skin.py [--img DIR] [--out FILE] [--sheet FILE]

Stretches the marked images the way the program's SkinStretcher does (one
stretch column and row, the right column and bottom row cut off), blends
the buttons with their alpha over the background and writes a 722 x 587
RGBA PNG (default /tmp/skin_preview.png). --sheet also writes a sheet with
every state of every image. No text is drawn; the content boxes of the
text-bearing controls are printed so they can be annotated by other tools.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pngio  # noqa: E402


def is_black(p):
    return p[0] == 0 and p[1] == 0 and p[2] == 0


def is_white(p):
    return p[0] == 255 and p[1] == 255 and p[2] == 255


def load(img_dir, image_id):
    w, h, _, rows = pngio.read_png(os.path.join(img_dir, "%d.png" % image_id))
    return w, h, rows


def _stretch_1d(n_src, n_dst, marks):
    """Source index for each destination index along one axis."""
    if not marks:
        return [i if i < n_src else None for i in range(n_dst)]
    c = marks[0]
    k = n_dst - n_src + 1
    idx = list(range(c)) + [c] * k + list(range(c + 1, n_src))
    return idx[:n_dst]


def content_box(w, h, rows, bands_x, bands_y, cols, rws):
    def scan(values):
        s = e = -1
        for i, p in enumerate(values):
            if s == -1 and is_black(p):
                s = i
            elif s > 0 and is_white(p):
                e = i - 1
                break
        return s, e
    ys, ye = scan([rows[y][w - 1] for y in range(h)])
    xs, xe = scan(rows[h - 1])
    hb, wb = ye - ys + 1, xe - xs + 1
    if rws and len(rws) == len(bands_y):
        hb += sum(k for r, k in zip(rws, bands_y) if ys <= r + 1 <= ye)
    if cols and len(cols) == len(bands_x):
        wb += sum(k for c, k in zip(cols, bands_x) if xs <= c + 1 <= xe)
    return (xs, ys, xs + wb, ys + hb)


def paint_skin(img_dir, image_id, tw, th):
    """Returns (T x U rows of RGBA, content box)."""
    w, h, rows = load(img_dir, image_id)
    cols = [x - 1 for x in range(w) if is_black(rows[0][x])]
    rws = [y - 1 for y in range(h) if is_black(rows[y][0])]
    inner = [row[1:] for row in rows[1:]]           # (W-1) x (H-1)
    sw, sh = w - 1, h - 1
    xi = _stretch_1d(sw, tw + 1, cols)
    if rws and sh != th + 1:
        yi = _stretch_1d(sh, th + 1, rws)
        bands_y = [th + 1 - sh + 1]
    else:
        yi = [i if i < sh else None for i in range(th + 1)]
        bands_y = []
    bands_x = [tw + 1 - sw + 1] if cols else []
    out = []
    for y in range(th):
        sy = yi[y]
        out.append([(0, 0, 0, 0) if sy is None or xi[x] is None else inner[sy][xi[x]]
                    for x in range(tw)])
    return out, content_box(w, h, rows, bands_x, bands_y, cols, rws)


def natural(img_dir, image_id):
    w, h, rows = load(img_dir, image_id)
    return rows


def over(dst, src, ox, oy):
    """Source-over of straight-alpha src onto opaque dst at (ox, oy)."""
    for y, row in enumerate(src):
        for x, (r, g, b, a) in enumerate(row):
            X, Y = ox + x, oy + y
            if not (0 <= Y < len(dst) and 0 <= X < len(dst[0])) or a == 0:
                continue
            dr, dg, db, _ = dst[Y][X]
            t = a / 255.0
            dst[Y][X] = (int(r * t + dr * (1 - t) + 0.5), int(g * t + dg * (1 - t) + 0.5),
                         int(b * t + db * (1 - t) + 0.5), 255)


def fill(dst, x0, y0, x1, y1, rgb):
    for y in range(y0, y1):
        for x in range(x0, x1):
            dst[y][x] = tuple(rgb) + (255,)


def window(img_dir, tab_states=(146, 148, 151), buttons=(161, 162, 163),
           title=(155, 159), partition=(272, 90, 22, 13, 45)):
    canvas, _ = paint_skin(img_dir, 501, 722, 587)
    canvas = [list(map(tuple, row)) for row in canvas]
    fill(canvas, 11, 85, 711, 522, (255, 255, 255))
    boxes = {}
    for (x0, x1), image_id in zip(((11, 151), (151, 291), (291, 431)), tab_states):
        skin, box = paint_skin(img_dir, image_id, x1 - x0, 37)
        over(canvas, skin, x0, 48)
        boxes["tab@%d" % x0] = (box[0] + x0, box[1] + 48, box[2] + x0, box[3] + 48)
    for (x0, x1), image_id in zip(((8, 229), (510, 610), (614, 714)), buttons):
        skin, box = paint_skin(img_dir, image_id, x1 - x0, 29)
        over(canvas, skin, x0, 546)
        boxes["button@%d" % x0] = (box[0] + x0, box[1] + 546, box[2] + x0, box[3] + 546)
    over(canvas, natural(img_dir, title[0]), 648, 0)
    over(canvas, natural(img_dir, title[1]), 677, 0)
    for i, width in enumerate(partition):
        bar, _ = paint_skin(img_dir, 175 + i, width, 15)
        over(canvas, bar, 11 + 330, 85 + 79 + 30 * i)
    return canvas, boxes


def sheet(img_dir):
    W, H = 760, 470
    out = [[(96, 96, 96, 255)] * W for _ in range(H)]
    bg, _ = paint_skin(img_dir, 501, W, H)
    for y in range(H):
        out[y] = list(bg[y])
    # tab strips: every state, all three tabs in the same state per row
    for k in range(4):
        for j, first in enumerate((143, 147, 151)):
            skin, _ = paint_skin(img_dir, first + k, 140, 37)
            over(out, skin, 11 + 140 * j, 48 + 45 * k)
    # push buttons in three states at both widths
    for k in range(3):
        skin, _ = paint_skin(img_dir, 161 + k, 221, 29)
        over(out, skin, 460, 60 + 40 * k)
        skin, _ = paint_skin(img_dir, 161 + k, 100, 29)
        over(out, skin, 460 + 230, 60 + 40 * k)
    # title-bar pairs in three states, and the close variant
    for k in range(3):
        over(out, natural(img_dir, 155 + k), 460 + 80 * k, 200)
        over(out, natural(img_dir, 158 + k), 489 + 80 * k, 200)
        over(out, natural(img_dir, 165 + k), 460 + 80 * k, 240)
    fill(out, 11, 240, 450, 460, (255, 255, 255))
    for i in range(5):
        bar, _ = paint_skin(img_dir, 175 + i, (420, 272, 90, 22, 13)[i], 15)
        over(out, bar, 20, 250 + 22 * i)
    over(out, natural(img_dir, 168), 20, 362)
    over(out, natural(img_dir, 171), 230, 362)
    for k in range(3):
        over(out, natural(img_dir, 172 + k), 460, 290 + 22 * k)
    over(out, natural(img_dir, 169), 460, 360)
    over(out, natural(img_dir, 170), 520, 360)
    panel, _ = paint_skin(img_dir, 164, 160, 90)
    over(out, panel, 590, 360)
    return out


def main(argv=None):
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--img", default=os.path.normpath(os.path.join(here, "..", "..", "res", "img")))
    ap.add_argument("--out", default="/tmp/skin_preview.png")
    ap.add_argument("--sheet", default=None)
    args = ap.parse_args(argv)
    canvas, boxes = window(args.img)
    pngio.write_png(args.out, 722, 587, canvas)
    for name, box in sorted(boxes.items()):
        print("%s %d,%d,%d,%d" % ((name,) + box))
    if args.sheet:
        s = sheet(args.img)
        pngio.write_png(args.sheet, len(s[0]), len(s), s)
    return 0


if __name__ == "__main__":
    sys.exit(main())
