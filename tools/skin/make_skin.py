#!/usr/bin/env python3
"""Draws the dark skin of the settings window and writes res/img/<id>.png.

Every image is computed here from a few colours and shapes, so the whole
skin can be regenerated (and tweaked) from this one file:

    python3 tools/skin/make_skin.py            # writes into res/img/
    python3 tools/skin/make_skin.py --out DIR  # writes somewhere else

Marked skin images carry their stretching instructions in a one-pixel
frame: black pixels in the top row / left column mark the single stretch
column / row, black runs in the right column / bottom row delimit the text
box, every other frame pixel is transparent white. The frame is written by
mark_frame() from the FRAMES table below; the picture inside it is drawn by
the per-image functions. Anything that lies in a stretch column or row is
kept uniform along the stretch direction, so that widening a skin by a few
hundred pixels just repeats plain fill.

Standard library only (PNG encoding in pngio.py).
"""

import argparse
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pngio  # noqa: E402

CLEAR = (0, 0, 0, 0)          # transparent inner pixel
FRAME = (255, 255, 255, 0)    # frame pixel that is not a marker
MARK = (0, 0, 0, 255)         # stretch marker / content-run pixel
RING_ALPHA = 150              # half-transparent outline of buttons

# id -> (width, height, stretch x, stretch y, right-column run, bottom-row run)
# Runs are inclusive (first, last) pixel positions in the full image.
TAB_FRAME = (14, 39, 6, 19, (2, 36), (6, 6))
BUTTON_FRAME = (15, 31, 7, 15, (3, 27), (7, 7))
BAR_FRAME = (5, 17, 2, 8, (1, 15), (2, 2))
FRAMES = {i: TAB_FRAME for i in range(143, 155)}
FRAMES.update({i: BUTTON_FRAME for i in (161, 162, 163)})
FRAMES.update({i: BAR_FRAME for i in range(175, 180)})
FRAMES[164] = (29, 148, 14, 89, (2, 145), (2, 26))
FRAMES[501] = (29, 101, 14, 42, (2, 98), (2, 26))

RGB_ONLY = (169, 170)         # written as 24-bit RGB, everything else RGBA


# --------------------------------------------------------------------------
# Small colour and raster helpers


def clamp8(v):
    return max(0, min(255, int(round(v))))


def mix(c0, c1, t):
    """Linear blend of two RGB colours, t = 0 gives c0."""
    return tuple(clamp8(a + (b - a) * t) for a, b in zip(c0, c1))


def lighten(c, t):
    return mix(c, (255, 255, 255), t)


def darken(c, t):
    return mix(c, (0, 0, 0), t)


def vgrad(y, y0, y1, top, bottom):
    if y1 == y0:
        return tuple(top)
    t = min(1.0, max(0.0, (y - y0) / float(y1 - y0)))
    return mix(top, bottom, t)


def opaque(c):
    return (c[0], c[1], c[2], 255)


class Canvas:
    def __init__(self, w, h, fill=CLEAR):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if len(c) == 3:
            c = opaque(c)
        self.px[y][x] = tuple(c)

    def get(self, x, y):
        return self.px[y][x]

    def blend(self, x, y, rgb, alpha):
        """Source-over of rgb with coverage alpha (0..1) in straight alpha."""
        if alpha <= 0:
            return
        dr, dg, db, da = self.px[y][x]
        sa = min(1.0, alpha)
        da_f = da / 255.0
        oa = sa + da_f * (1 - sa)
        if oa <= 0:
            return
        out = tuple(clamp8((s * sa + d * da_f * (1 - sa)) / oa)
                    for s, d in zip(rgb, (dr, dg, db)))
        self.px[y][x] = out + (clamp8(oa * 255),)


def coverage(inside, x, y, n=4):
    """Fraction of pixel (x, y) covered by the shape inside(px, py)."""
    hits = 0
    for j in range(n):
        for i in range(n):
            if inside(x + (i + 0.5) / n, y + (j + 0.5) / n):
                hits += 1
    return hits / float(n * n)


def rounded_rect(x0, y0, x1, y1, tl=0.0, tr=0.0, bl=0.0, br=0.0):
    """Inside test for the rectangle [x0, x1) x [y0, y1) with rounded corners."""
    def inside(px, py):
        if not (x0 <= px < x1 and y0 <= py < y1):
            return False
        for r, cx, cy, left, top in ((tl, x0 + tl, y0 + tl, True, True),
                                     (tr, x1 - tr, y0 + tr, False, True),
                                     (bl, x0 + bl, y1 - bl, True, False),
                                     (br, x1 - br, y1 - br, False, False)):
            if r <= 0:
                continue
            in_x = px < cx if left else px > cx
            in_y = py < cy if top else py > cy
            if in_x and in_y and (px - cx) ** 2 + (py - cy) ** 2 > r * r:
                return False
        return True
    return inside


def ringed_shape(img, rect, radii, inset, fill, n=6):
    """Fills a rounded rectangle whose outline is half-transparent black.

    rect = (x0, y0, x1, y1) in pixel edges, radii = (tl, tr, bl, br),
    inset = (left, top, right, bottom) width of the outline on each side,
    fill(x, y) -> RGB of the opaque interior. Pixels only partly inside the
    outer shape are anti-aliased towards transparency."""
    x0, y0, x1, y1 = rect
    outer = rounded_rect(x0, y0, x1, y1, *radii)
    l, t, r, b = inset
    inner = rounded_rect(x0 + l, y0 + t, x1 - r, y1 - b,
                         *(max(0.0, k - 1) for k in radii))
    for y in range(int(y0), int(math.ceil(y1))):
        for x in range(int(x0), int(math.ceil(x1))):
            co = coverage(outer, x, y, n)
            ci = min(co, coverage(inner, x, y, n))
            a = ci * 255 + (co - ci) * RING_ALPHA
            if a < 0.5:
                img.set(x, y, CLEAR)
                continue
            rgb = fill(x, y)
            # The outline is black, so only the interior adds colour.
            img.set(x, y, tuple(clamp8(v * ci * 255 / a) for v in rgb) + (clamp8(a),))


def seg_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / float(dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    qx, qy = ax + t * dx, ay + t * dy
    return math.hypot(px - qx, py - qy)


def stroke(img, points, width, rgb, n=6):
    """Anti-aliased polyline of the given width, blended over the canvas."""
    half = width / 2.0
    segs = list(zip(points, points[1:]))
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    for y in range(max(0, int(min(ys) - half - 1)), min(img.h, int(max(ys) + half + 2))):
        for x in range(max(0, int(min(xs) - half - 1)), min(img.w, int(max(xs) + half + 2))):
            def inside(px, py):
                return any(seg_distance(px, py, a[0], a[1], b[0], b[1]) <= half
                           for a, b in segs)
            img.blend(x, y, rgb, coverage(inside, x, y, n))


def mark_frame(img, layout):
    """Writes the one-pixel marker frame of a marked skin image."""
    w, h, sx, sy, (r0, r1), (b0, b1) = layout
    assert (img.w, img.h) == (w, h)
    for x in range(w):
        img.set(x, 0, FRAME)
        img.set(x, h - 1, FRAME)
    for y in range(h):
        img.set(0, y, FRAME)
        img.set(w - 1, y, FRAME)
    img.set(sx, 0, MARK)
    img.set(0, sy, MARK)
    for y in range(r0, r1 + 1):
        img.set(w - 1, y, MARK)
    for x in range(b0, b1 + 1):
        img.set(x, h - 1, MARK)


# --------------------------------------------------------------------------
# Tabs 143-154: 14 x 39, visible picture x 1..12, y 1..37.
#
# The three tabs sit side by side at 140 x 37 and form one strip. Between two
# tabs the left one ends in a black column and the right one starts with a
# lighter column, which reads as an engraved divider. The strip's outer ends
# are a darker column with a rounded top corner.

TAB_STATES = {
    #            top of gradient   bottom of gradient
    "normal":   ((55, 59, 63), (37, 38, 40)),
    "hover":    ((74, 83, 92), (52, 57, 61)),
    "selected": ((100, 118, 136), (63, 76, 89)),
}
TAB_PRESSED_CENTRE = (107, 138, 162)
TAB_PRESSED_RIM = (71, 101, 127)
TAB_ACCENT = (142, 178, 212)   # underline of the selected tab
TAB_BASE_LINE = (22, 23, 25)   # bottom line of the unselected tabs


def tab_row_colour(state, x, y):
    """Colour of the tab body at (x, y) before the edge columns are applied."""
    if state == "pressed":
        if y in (1, 37) or x in (2, 11):
            return TAB_PRESSED_RIM
        # a faint sheen around the given centre colour
        return vgrad(y, 2, 36, lighten(TAB_PRESSED_CENTRE, 0.06),
                     darken(TAB_PRESSED_CENTRE, 0.05))
    top, bottom = TAB_STATES[state]
    if y == 1:
        return lighten(top, 0.10)
    if state == "selected":
        if y == 37:
            return TAB_ACCENT
        if y == 36:
            return mix(bottom, TAB_ACCENT, 0.55)
    elif y == 37:
        return TAB_BASE_LINE
    return vgrad(y, 2, 36, top, bottom)


def draw_tab(edge, state):
    img = Canvas(14, 39)
    for y in range(1, 38):
        for x in range(1, 13):
            img.set(x, y, tab_row_colour(state, x, y))
        # edge columns take the colour of the row next to them
        inner_left = tab_row_colour(state, 2, y)
        inner_right = tab_row_colour(state, 11, y)
        if edge == "left":
            img.set(1, y, darken(inner_left, 0.32))
        else:
            img.set(1, y, lighten(inner_left, 0.13))
        if edge == "right":
            img.set(12, y, darken(inner_right, 0.32))
        else:
            img.set(12, y, (0, 0, 0))
    # round the outer top corner of the strip
    if edge in ("left", "right"):
        shape = rounded_rect(1, 1, 13, 38, tl=3.5 if edge == "left" else 0,
                             tr=3.5 if edge == "right" else 0)
        xs = range(1, 5) if edge == "left" else range(9, 13)
        for y in range(1, 5):
            for x in xs:
                cov = coverage(shape, x, y, 8)
                r, g, b, _ = img.get(x, y)
                img.set(x, y, (r, g, b, clamp8(255 * cov)) if cov > 0 else CLEAR)
    return img


# --------------------------------------------------------------------------
# Title-bar buttons 155-160 (29 x 26) and the close variant 165-167 (30 x 26).
# Drawn at natural size in the top-right corner of the window. Their top row
# is black like the window's top border line.

TITLE_FILL = {
    "normal":  ((58, 62, 67), (40, 43, 46)),
    "hover":   ((84, 92, 101), (60, 65, 70)),
    "pressed": ((107, 138, 162), (84, 112, 136)),
}
TITLE_GLYPH = {
    "normal": (196, 205, 216),
    "hover": (255, 255, 255),
    "pressed": (255, 255, 255),
}


def title_fill(state, y0, y1):
    top, bottom = TITLE_FILL[state]

    def fill(x, y):
        if y == y0:
            return lighten(top, 0.08)
        return vgrad(y, y0 + 1, y1, top, bottom)
    return fill


def draw_glyph_bar(img, cx, y, colour):
    for x in range(int(cx - 4.5), int(cx + 4.5)):
        for yy in (y, y + 1):
            img.blend(x, yy, colour, 1.0)


def draw_glyph_cross(img, cx, cy, colour, arm=4.0, width=1.7):
    stroke(img, [(cx - arm, cy - arm), (cx + arm, cy + arm)], width, colour, 8)
    stroke(img, [(cx - arm, cy + arm), (cx + arm, cy - arm)], width, colour, 8)


def draw_minimise(state):
    img = Canvas(29, 26)
    ringed_shape(img, (0, 1, 29, 26), (0, 0, 5, 0), (1, 0, 1, 1),
                 title_fill(state, 1, 24))
    draw_glyph_bar(img, 14.5, 16, TITLE_GLYPH[state])
    for x in range(29):
        img.set(x, 0, (0, 0, 0))
    return img


def draw_close(state):
    img = Canvas(29, 26)
    ringed_shape(img, (0, 1, 29, 26), (0, 0, 0, 5), (0, 0, 1, 1),
                 title_fill(state, 1, 24))
    draw_glyph_cross(img, 14.0, 13.0, TITLE_GLYPH[state])
    for x in range(29):
        img.set(x, 0, (0, 0, 0))
    return img


def draw_close_variant(state):
    # A free-standing close button: outline all round, both lower corners
    # rounded.
    img = Canvas(30, 26)
    ringed_shape(img, (0, 0, 30, 26), (0, 0, 5, 5), (1, 1, 1, 1),
                 title_fill(state, 1, 24))
    draw_glyph_cross(img, 15.0, 13.0, TITLE_GLYPH[state])
    return img


# --------------------------------------------------------------------------
# Push buttons 161-163: 15 x 31, visible picture x 1..13, y 1..29, shown at
# 221 x 29 and 100 x 29 in the bottom band of the window.

BUTTON_FILL = {
    "normal":  ((76, 81, 87), (50, 53, 57)),
    "hover":   ((96, 104, 113), (64, 69, 74)),
    "pressed": ((82, 109, 133), (107, 138, 162)),   # lit from below: pushed in
}


def draw_push_button(state):
    img = Canvas(15, 31)
    top, bottom = BUTTON_FILL[state]

    def fill(x, y):
        if y == 2:   # first row inside the outline
            return darken(top, 0.18) if state == "pressed" else lighten(top, 0.14)
        return vgrad(y, 3, 28, top, bottom)
    ringed_shape(img, (1, 1, 14, 30), (3, 3, 3, 3), (1, 1, 1, 1), fill)
    return img


# --------------------------------------------------------------------------
# 164: dark panel with a lighter grey block below a separator (29 x 148).

def draw_panel():
    img = Canvas(29, 148)
    for y in range(1, 147):
        for x in range(1, 28):
            if x in (1, 27) or y in (1, 146):
                c = (14, 15, 16)
            elif y <= 40:
                c = vgrad(y, 2, 40, (48, 52, 56), (36, 38, 41))
            elif y == 41:
                c = (16, 17, 18)
            elif y == 42:
                c = (56, 60, 64)
            else:
                c = (74, 78, 83)
            img.set(x, y, c)
    return img


# --------------------------------------------------------------------------
# 168 / 171: 197 x 94 chart on transparent ground: 4 x 3 black grid, a red
# pulse with a rising and a falling edge; 168 also has a green level line.

def draw_chart(with_level):
    img = Canvas(197, 94)
    for x in (0, 49, 98, 147, 196):
        for y in range(94):
            img.set(x, y, (0, 0, 0))
    for y in (0, 31, 62, 93):
        for x in range(197):
            img.set(x, y, (0, 0, 0))
    if with_level:
        for x in range(1, 196):
            img.set(x, 47, (64, 200, 96))
    pulse = [(0.5, 77.5), (40.5, 77.5), (56.5, 16.5), (140.5, 16.5),
             (156.5, 77.5), (196.5, 77.5)]
    stroke(img, pulse, 2.0, (232, 48, 48))
    return img


# --------------------------------------------------------------------------
# 172-174: 231 x 16, two strips of seven round lamps (16 px cells, 7 px gap
# between the strips) in three lighting patterns.

LAMP_COLOURS = ((92, 214, 92), (255, 178, 46))   # first strip, second strip
LAMP_OFF = (66, 70, 75)
LAMP_PATTERNS = {
    172: [0] * 7,                       # all dark
    173: [1, 1, 1, 1, 0, 0, 0],         # first four lit
    174: [1] * 7,                       # all lit
}


def draw_lamps(image_id):
    img = Canvas(231, 16)
    for strip in range(2):
        for i, lit in enumerate(LAMP_PATTERNS[image_id]):
            cx, cy = strip * 119 + i * 16 + 8.0, 8.0
            base = LAMP_COLOURS[strip] if lit else LAMP_OFF
            rim = darken(base, 0.55)
            outer = rounded_rect(cx - 7, cy - 7, cx + 7, cy + 7, 7, 7, 7, 7)
            inner = rounded_rect(cx - 6, cy - 6, cx + 6, cy + 6, 6, 6, 6, 6)
            for y in range(16):
                for x in range(int(cx - 8), int(cx + 8)):
                    co = coverage(outer, x, y, 6)
                    if co <= 0:
                        continue
                    ci = coverage(inner, x, y, 6)
                    # soft highlight towards the upper left
                    d = math.hypot(x + 0.5 - (cx - 2), y + 0.5 - (cy - 2)) / 8.0
                    body = mix(lighten(base, 0.45 if lit else 0.18), base, min(1.0, d))
                    body = darken(body, 0.15 * max(0.0, d - 0.6))
                    rgb = mix(rim, body, ci / co if co else 0)
                    img.set(x, y, rgb + (clamp8(255 * co),))
    return img


# --------------------------------------------------------------------------
# Bars 175-179: 5 x 17, visible x 1..3, y 1..15; painted at widths up to
# 450 px and height 15 on the white page. Opaque, uniform along x.

BAR_COLOURS = {
    175: (164, 202, 87),    # green
    176: (255, 217, 38),    # yellow
    177: (249, 163, 40),    # orange
    178: (245, 81, 81),     # red
    179: (48, 167, 228),    # blue
}


def draw_bar(image_id):
    base = BAR_COLOURS[image_id]
    img = Canvas(5, 17)
    for y in range(1, 16):
        if y == 1:
            c = lighten(base, 0.22)
        elif y == 15:
            c = darken(base, 0.18)
        else:
            c = vgrad(y, 2, 14, lighten(base, 0.10), darken(base, 0.08))
        for x in range(1, 4):
            img.set(x, y, c)
    return img


# --------------------------------------------------------------------------
# 501: main window background, 29 x 101, painted to 722 x 587.
# Picture rows 1..36 are the title band (canvas rows 0..35), row 37 and 45
# the separators around the stretch row 42, rows 46..99 the bottom band
# behind the command buttons. Column 14 stretches to the window width.

WINDOW_BODY = (32, 34, 36)
WINDOW_BORDER = (0, 0, 0)
SEPARATOR = (15, 16, 17)


def background_row(y):
    """Colour of row y of the background between the two border columns."""
    if y in (1, 99):
        return WINDOW_BORDER
    if y == 2:
        return (60, 64, 69)                         # top light edge
    if y <= 34:
        return vgrad(y, 3, 34, (48, 51, 55), (38, 40, 43))
    if y == 35:
        return (34, 36, 39)
    if y == 36:
        return (71, 101, 127)                       # steel-blue title underline
    if y in (37, 45):
        return SEPARATOR
    if y == 46:
        return (44, 47, 50)                         # lit edge below the separator
    if y > 46:
        return vgrad(y, 47, 98, (37, 39, 42), (29, 31, 33))
    return WINDOW_BODY                              # rows 38..44, stretch row 42


def draw_background():
    img = Canvas(29, 101)
    for y in range(1, 100):
        row = background_row(y)
        for x in range(1, 28):
            img.set(x, y, WINDOW_BORDER if x in (1, 27) else row)
    return img


# --------------------------------------------------------------------------

def solid(w, h, rgb):
    img = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            img.set(x, y, rgb)
    return img


def build_all():
    """Returns {id: Canvas} for the whole skin."""
    images = {}
    states = ("normal", "hover", "pressed", "selected")
    for first, edge in ((143, "left"), (147, "middle"), (151, "right")):
        for k, state in enumerate(states):
            images[first + k] = draw_tab(edge, state)
    for k, state in enumerate(("normal", "hover", "pressed")):
        images[155 + k] = draw_minimise(state)
        images[158 + k] = draw_close(state)
        images[161 + k] = draw_push_button(state)
        images[165 + k] = draw_close_variant(state)
    images[164] = draw_panel()
    images[168] = draw_chart(True)
    images[171] = draw_chart(False)
    images[169] = solid(48, 30, (227, 227, 227))
    images[170] = solid(48, 30, (88, 186, 255))
    for i in (172, 173, 174):
        images[i] = draw_lamps(i)
    for i in BAR_COLOURS:
        images[i] = draw_bar(i)
    images[501] = draw_background()
    for image_id, layout in FRAMES.items():
        mark_frame(images[image_id], layout)
    return images


def main(argv=None):
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.normpath(os.path.join(here, "..", "..", "res", "img"))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=default_out, help="output folder (default: res/img)")
    args = ap.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    images = build_all()
    for image_id in sorted(images):
        img = images[image_id]
        colour_type = pngio.COLOUR_RGB if image_id in RGB_ONLY else pngio.COLOUR_RGBA
        pngio.write_png(os.path.join(args.out, "%d.png" % image_id),
                        img.w, img.h, img.px, colour_type)
    print("wrote %d images to %s" % (len(images), args.out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
