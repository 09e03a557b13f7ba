#!/usr/bin/env python3
"""Checks the skin images in res/img against the image inventory below.

    python3 tools/skin/check_skin.py [--img DIR]

Decodes every PNG with the small reader in pngio.py (CRCs and all filter
types checked) and verifies size, colour type, the marker frame of the
marked skin images, and a few properties the program relies on when it
paints them. Exits 1 and lists the problems when anything is off.

The table here is written out on its own, not imported from make_skin.py,
so that a slip in the generator cannot hide itself.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pngio  # noqa: E402

RGB, RGBA = 2, 6

# id: (width, height, colour type, markers)
# markers: (stretch x, stretch y, right-column run rows, bottom-row run columns)
# with inclusive runs, or None for images drawn at natural size.
TAB = (14, 39, RGBA, (6, 19, (2, 36), (6, 6)))
PUSH = (15, 31, RGBA, (7, 15, (3, 27), (7, 7)))
TITLE = (29, 26, RGBA, None)
BAR = (5, 17, RGBA, (2, 8, (1, 15), (2, 2)))
INVENTORY = {
    143: TAB, 144: TAB, 145: TAB, 146: TAB,
    147: TAB, 148: TAB, 149: TAB, 150: TAB,
    151: TAB, 152: TAB, 153: TAB, 154: TAB,
    155: TITLE, 156: TITLE, 157: TITLE,
    158: TITLE, 159: TITLE, 160: TITLE,
    161: PUSH, 162: PUSH, 163: PUSH,
    164: (29, 148, RGBA, (14, 89, (2, 145), (2, 26))),
    165: (30, 26, RGBA, None), 166: (30, 26, RGBA, None), 167: (30, 26, RGBA, None),
    168: (197, 94, RGBA, None),
    169: (48, 30, RGB, None),
    170: (48, 30, RGB, None),
    171: (197, 94, RGBA, None),
    172: (231, 16, RGBA, None), 173: (231, 16, RGBA, None), 174: (231, 16, RGBA, None),
    175: BAR, 176: BAR, 177: BAR, 178: BAR, 179: BAR,
    501: (29, 101, RGBA, (14, 42, (2, 98), (2, 26))),
}

# Sizes the program paints the marked images at, with the stretch bands and
# content box (left, top, right, bottom) that painting must produce.
PAINTED = [
    # ids, target w, h, band widths, band heights, content box
    (range(143, 155), 140, 37, [129], [], (6, 2, 136, 37)),
    ((161, 162, 163), 221, 29, [209], [], (7, 3, 217, 28)),
    ((161, 162, 163), 100, 29, [88], [], (7, 3, 96, 28)),
    (range(175, 180), 50, 15, [48], [], (2, 1, 51, 16)),
    (range(175, 180), 450, 15, [448], [], (2, 1, 451, 16)),
    ((501,), 722, 587, [696], [489], (2, 2, 723, 588)),
]

# marked images whose stretch row is really replicated
STRETCHED_TALLER = (164, 501)

SOLID = {169: (227, 227, 227), 170: (88, 186, 255)}
BAR_HUES = {175: "green", 176: "yellow", 177: "orange", 178: "red", 179: "blue"}


def black(p):
    return p[0] == 0 and p[1] == 0 and p[2] == 0


def white(p):
    return p[0] == 255 and p[1] == 255 and p[2] == 255


def frame_problems(w, h, rows, markers):
    """Every frame pixel must be exactly what the markers call for."""
    sx, sy, (r0, r1), (b0, b1) = markers
    expected = {}
    for x in range(w):
        expected[(x, 0)] = x == sx
        expected[(x, h - 1)] = b0 <= x <= b1
    for y in range(h):
        expected[(0, y)] = y == sy
        expected[(w - 1, y)] = r0 <= y <= r1
    problems = []
    for (x, y), want_black in sorted(expected.items()):
        p = rows[y][x]
        if want_black and p != (0, 0, 0, 255):
            problems.append("frame pixel (%d,%d) should be a black marker, is %r" % (x, y, p))
        if not want_black and p != (255, 255, 255, 0):
            problems.append("frame pixel (%d,%d) should be transparent white, is %r" % (x, y, p))
    return problems


def scan_run(values):
    """The content-run scan of the painting code: first black pixel starts
    the run, the first white pixel after a start above 0 ends it."""
    s = e = -1
    for i, p in enumerate(values):
        if s == -1 and black(p):
            s = i
        elif s > 0 and white(p):
            e = i - 1
            break
    return s, e


def describe_frame(w, h, rows):
    """The markers as found in the image (not as the table says)."""
    def runs(flags):
        out, start = [], None
        for i, f in enumerate(flags + [False]):
            if f and start is None:
                start = i
            elif not f and start is not None:
                out.append("%d-%d" % (start, i - 1) if i - 1 > start else str(start))
                start = None
        return ",".join(out) or "none"
    return "stretch x %s y %s; content: right rows %s, bottom cols %s" % (
        runs([black(rows[0][x]) for x in range(w)]),
        runs([black(rows[y][0]) for y in range(h)]),
        runs([black(rows[y][w - 1]) for y in range(h)]),
        runs([black(rows[h - 1][x]) for x in range(w)]))


def painted_layout(w, h, rows, tw, th):
    """Band sizes and content box for painting the image onto tw x th."""
    cols = [x - 1 for x in range(w) if black(rows[0][x])]
    rws = [y - 1 for y in range(h) if black(rows[y][0])]
    bands_x = [tw + 1 - (w - 1) + 1 for _ in cols[:1]]
    bands_y = [] if (h - 1) == th + 1 else [th + 1 - (h - 1) + 1 for _ in rws[:1]]
    ys, ye = scan_run([rows[y][w - 1] for y in range(h)])
    xs, xe = scan_run(rows[h - 1])
    hb, wb = ye - ys + 1, xe - xs + 1
    if rws and len(rws) == len(bands_y):
        hb += sum(k for r, k in zip(rws, bands_y) if ys <= r + 1 <= ye)
    if cols and len(cols) == len(bands_x):
        wb += sum(k for c, k in zip(cols, bands_x) if xs <= c + 1 <= xe)
    return bands_x, bands_y, (xs, ys, xs + wb, ys + hb)


def seam_problems(w, h, rows, markers, rows_too):
    """The stretch column/row is repeated to fill the target, so it has to
    match a neighbour inside the visible picture or the widening shows.
    Rows are only compared for images that are really painted taller
    (vertical gradients are fine where nothing stretches vertically)."""
    sx, sy = markers[0], markers[1]
    problems = []
    col = [rows[y][sx] for y in range(1, h - 1)]
    neighbours = [[rows[y][x] for y in range(1, h - 1)] for x in (sx - 1, sx + 1) if 1 <= x <= w - 3]
    if col not in neighbours:
        problems.append("stretch column %d differs from both neighbouring columns" % sx)
    if not rows_too:
        return problems
    row = rows[sy][1:w - 1]
    neighbours = [rows[y][1:w - 1] for y in (sy - 1, sy + 1) if 1 <= y <= h - 3]
    if row not in neighbours:
        problems.append("stretch row %d differs from both neighbouring rows" % sy)
    return problems


def hue_ok(name, rgb):
    r, g, b = rgb
    return {
        "green": g > r and g > b,
        "yellow": r > 200 and g > 180 and b < 100,
        "orange": r > 200 and 100 < g < 200 and b < 100,
        "red": r > 200 and g < 120 and b < 120,
        "blue": b > r and b > g,
    }[name]


def check_image(image_id, w, h, ct, rows):
    want_w, want_h, want_ct, markers = INVENTORY[image_id]
    problems = []
    if (w, h) != (want_w, want_h):
        return ["size %dx%d, expected %dx%d" % (w, h, want_w, want_h)]
    if ct != want_ct:
        problems.append("colour type %d, expected %d" % (ct, want_ct))
    if markers:
        problems += frame_problems(w, h, rows, markers)
        problems += seam_problems(w, h, rows, markers, image_id in STRETCHED_TALLER)
    inner = [p for row in rows[1:h - 1] for p in row[1:w - 1]] if markers else [p for row in rows for p in row]

    if image_id in SOLID:
        if any(p != SOLID[image_id] + (255,) for p in inner):
            problems.append("not a solid %r" % (SOLID[image_id],))
    if image_id in (501,) + tuple(range(175, 180)):
        # block-copied without blending: must be opaque everywhere visible
        if any(p[3] != 255 for p in inner):
            problems.append("visible picture is not fully opaque")
    if image_id in BAR_HUES:
        mid = rows[8][2][:3]
        if not hue_ok(BAR_HUES[image_id], mid):
            problems.append("bar colour %r does not read as %s" % (mid, BAR_HUES[image_id]))
        if any(len(set(row[1:4])) != 1 for row in rows[1:16]):
            problems.append("bar shading is not uniform along x")
    if 143 <= image_id <= 154:
        right_black = all(rows[y][12] == (0, 0, 0, 255) for y in range(2, 37))
        if (image_id <= 150) != right_black:
            problems.append("right edge column %s black" % ("should be" if image_id <= 150 else "should not be"))
        if image_id >= 147 and not all(sum(rows[y][1][:3]) > sum(rows[y][2][:3]) for y in range(2, 37)):
            problems.append("left edge column is not lighter than the tab body")
        if image_id <= 146 and not all(sum(rows[y][1][:3]) < sum(rows[y][2][:3]) for y in range(2, 37)):
            problems.append("left edge column is not darker than the tab body")
    if image_id in (161, 162, 163):
        for x, y in ((1, 15), (13, 15), (7, 1), (7, 29)):
            if rows[y][x] != (0, 0, 0, 150):
                problems.append("outline pixel (%d,%d) is %r, not black at alpha 150" % (x, y, rows[y][x]))
    if 155 <= image_id <= 160:
        if any(p != (0, 0, 0, 255) for p in rows[0]):
            problems.append("top row is not entirely black")
        corner = (0, 25) if image_id <= 157 else (28, 25)
        if rows[corner[1]][corner[0]][3] != 0:
            problems.append("rounded corner pixel %r is not transparent" % (corner,))
        edge = (0, 12) if image_id <= 157 else (28, 12)
        if rows[edge[1]][edge[0]][3] != 150:
            problems.append("edge pixel %r does not have alpha 150" % (edge,))
    return problems


def main(argv=None):
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--img", default=os.path.normpath(os.path.join(here, "..", "..", "res", "img")))
    args = ap.parse_args(argv)

    failures = []
    decoded = {}
    present = sorted(f for f in os.listdir(args.img) if f.endswith(".png"))
    expected = sorted("%d.png" % i for i in INVENTORY)
    for extra in sorted(set(present) - set(expected)):
        failures.append("%s: not part of the skin" % extra)
    for image_id in sorted(INVENTORY):
        path = os.path.join(args.img, "%d.png" % image_id)
        try:
            w, h, ct, rows = pngio.read_png(path)
        except (OSError, pngio.PngError, ValueError) as e:
            failures.append("%d: cannot read: %s" % (image_id, e))
            continue
        decoded[image_id] = (w, h, rows)
        problems = check_image(image_id, w, h, ct, rows)
        failures += ["%d: %s" % (image_id, p) for p in problems]
        print("%-4d %3dx%-3d %s %s%s" % (
            image_id, w, h, "RGBA" if ct == RGBA else "RGB ", describe_frame(w, h, rows)
            if INVENTORY[image_id][3] else "natural size",
            "" if not problems else "  <-- %d problem(s)" % len(problems)))

    for ids, tw, th, want_bx, want_by, want_box in PAINTED:
        for image_id in ids:
            if image_id not in decoded:
                continue
            w, h, rows = decoded[image_id]
            bx, by, box = painted_layout(w, h, rows, tw, th)
            if (bx, by, box) != (want_bx, want_by, want_box):
                failures.append("%d painted at %dx%d: bands %r/%r box %r, expected %r/%r %r"
                                % (image_id, tw, th, bx, by, box, want_bx, want_by, want_box))

    if failures:
        print("\n%d problem(s):" % len(failures))
        for f in failures:
            print("  " + f)
        return 1
    print("\nall %d images match the inventory" % len(INVENTORY))
    return 0


if __name__ == "__main__":
    sys.exit(main())
