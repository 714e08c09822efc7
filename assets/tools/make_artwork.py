#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Regenerates the main-window artwork in assets/.

    banner.bmp   703 x 69, 24-bit  - title strip across the top of the window
    flowers.gif  125 x 140, 16 colours, transparent background - corner clip-art
    icon.ico     16 x 16, 24-bit   - window / taskbar icon
    icons/hicolor/<n>x<n>/apps/org.mireva.Mireva.png
                 the same icon for the desktop's menus, 16 to 256 px, with
                 transparency; 16 px is the window icon pixel for pixel, the
                 larger ones are drawn from its shapes at their own size

Needs Pillow and the Noto Sans CJK Bold font (Debian: python3-pil,
fonts-noto-cjk).  Everything is drawn from code with no randomness, so running
the script twice gives byte-identical files.

    /usr/bin/python3 assets/tools/make_artwork.py
"""

import math
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ASSETS = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

FONT_FILE = "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"
FONT_INDEX_SC = 2  # Noto Sans CJK SC inside the collection

TITLE = "Mireva 小学数学速算自动出题系统"

TEAL = (0, 128, 128)
MAGENTA = (255, 0, 255)


# ---------------------------------------------------------------------------
# small geometry helpers
# ---------------------------------------------------------------------------

def ellipse_points(cx, cy, rx, ry, angle_deg=0.0, steps=48):
    """Polygon approximating an ellipse rotated by angle_deg around its centre."""
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((cx + x * ca - y * sa, cy + x * sa + y * ca))
    return pts


def bezier(p0, p1, p2, p3, steps=40):
    pts = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        x = u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0]
        y = u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]
        pts.append((x, y))
    return pts


def leaf_points(base, tip, width, steps=20):
    """Pointed leaf (two mirrored arcs) from base to tip, `width` at its widest."""
    bx, by = base
    tx, ty = tip
    dx, dy = tx - bx, ty - by
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy, ux
    side1, side2 = [], []
    for i in range(steps + 1):
        t = i / steps
        # fuller towards the base, sharp at the tip
        w = width / 2 * math.sin(math.pi * t) * (1.15 - 0.3 * t)
        px, py = bx + dx * t, by + dy * t
        side1.append((px + nx * w, py + ny * w))
        side2.append((px - nx * w, py - ny * w))
    return side1 + side2[::-1]


def scale_pts(pts, k):
    return [(x * k, y * k) for x, y in pts]


# ---------------------------------------------------------------------------
# banner.bmp
# ---------------------------------------------------------------------------

def fit_font(text, max_w, max_h):
    size = 60
    while size > 10:
        font = ImageFont.truetype(FONT_FILE, size, index=FONT_INDEX_SC)
        l, t, r, b = font.getbbox(text)
        if r - l <= max_w and b - t <= max_h:
            return font
        size -= 1
    return ImageFont.truetype(FONT_FILE, size, index=FONT_INDEX_SC)


def draw_star(draw, cx, cy, r_out, r_in, fill, points=4, rot=-90.0):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + 180.0 * i / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    draw.polygon(pts, fill=fill)


def make_banner(path):
    W, H = 703, 69
    img = Image.new("RGB", (W, H), TEAL)
    d = ImageDraw.Draw(img)

    # Thin frame lines near the top and bottom edges: a light line over a dark one.
    light = (64, 176, 176)
    dark = (0, 88, 88)
    d.line([(0, 3), (W - 1, 3)], fill=light)
    d.line([(0, 4), (W - 1, 4)], fill=dark)
    d.line([(0, H - 5), (W - 1, H - 5)], fill=light)
    d.line([(0, H - 4), (W - 1, H - 4)], fill=dark)

    font = fit_font(TITLE, W - 150, 40)
    l, t, r, b = font.getbbox(TITLE)
    tw, th = r - l, b - t
    x = (W - tw) // 2 - l
    y = (H - th) // 2 - t

    # Soft dark shadow underneath the title.
    shadow = Image.new("L", (W, H), 0)
    ImageDraw.Draw(shadow).text((x + 2, y + 2), TITLE, font=font, fill=255)
    shadow = shadow.filter(ImageFilter.GaussianBlur(1.2))
    img.paste(Image.new("RGB", (W, H), (0, 60, 60)), (0, 0), shadow)

    # Title itself, with a 1 px deep-purple rim so it stays crisp on teal.
    d = ImageDraw.Draw(img)
    d.text((x, y), TITLE, font=font, fill=MAGENTA,
           stroke_width=1, stroke_fill=(120, 0, 110))
    d.text((x, y), TITLE, font=font, fill=MAGENTA)

    # Decorations either side of the title: a tapering rule ending in a sparkle.
    mid = H // 2
    gap = 14
    left_end = x + l - gap
    right_start = x + l + tw + gap
    for x0, x1, star_x in ((22, left_end, 16), (right_start, W - 23, W - 17)):
        span = x1 - x0
        for i in range(span + 1):
            px = x0 + i
            # fade the rule from the outer edge towards the title
            f = i / span if x0 == 22 else 1 - i / span
            col = tuple(int(round(c0 + (c1 - c0) * f)) for c0, c1 in zip(TEAL, (255, 190, 255)))
            d.point((px, mid), fill=col)
            d.point((px, mid + 1), fill=tuple(int(c * 0.75) for c in col) if f > 0.3 else TEAL)
        draw_star(d, star_x, mid, 8, 2.2, (255, 210, 255))
        draw_star(d, star_x, mid, 4, 1.2, (255, 255, 255), rot=-45.0)
    for sx in (left_end + 4, right_start - 4):
        draw_star(d, sx, mid, 4.5, 1.4, (255, 170, 255))

    img.save(path, "BMP")


# ---------------------------------------------------------------------------
# flowers.gif
# ---------------------------------------------------------------------------

# Palette entries.  Index 0 is the transparent background.
PAL = [
    (255, 255, 255),  # 0  background (transparent)
    (34, 78, 24),     # 1  dark green outline
    (58, 140, 40),    # 2  stem green
    (110, 190, 60),   # 3  leaf green
    (170, 225, 100),  # 4  leaf highlight
    (120, 70, 10),    # 5  petal outline (warm brown)
    (255, 214, 0),    # 6  petal yellow
    (255, 243, 130),  # 7  petal highlight
    (240, 170, 0),    # 8  petal shade / gold
    (240, 120, 20),   # 9  centre orange
    (150, 75, 20),    # 10 centre brown
    (90, 45, 10),     # 11 centre dark seeds
    (255, 190, 90),   # 12 centre highlight
    (80, 160, 50),    # 13 grass
    (46, 110, 32),    # 14 grass dark
    (200, 240, 150),  # 15 sparkle on leaves
]

SS = 4  # supersampling factor for the drawing canvas


def draw_leaf(d, base, tip, width):
    pts = scale_pts(leaf_points(base, tip, width), SS)
    d.polygon(pts, fill=3, outline=1)
    d.line(pts + [pts[0]], fill=1, width=SS)
    # lighter half + central vein
    bx, by = base
    tx, ty = tip
    mid_pts = leaf_points(base, tip, width * 0.45)
    half = mid_pts[: len(mid_pts) // 2 + 1]
    d.polygon(scale_pts(half, SS), fill=4)
    d.line(scale_pts([base, (bx + (tx - bx) * 0.85, by + (ty - by) * 0.85)], SS), fill=1, width=SS)


def draw_stem(d, pts, width=3.2):
    p = scale_pts(pts, SS)
    d.line(p, fill=1, width=int((width + 2) * SS), joint="curve")
    d.line(p, fill=2, width=int(width * SS), joint="curve")
    for x, y in (p[0], p[-1]):
        r = (width + 2) * SS / 2
        d.ellipse((x - r, y - r, x + r, y + r), fill=1)
        r = width * SS / 2
        d.ellipse((x - r, y - r, x + r, y + r), fill=2)


def draw_blossom(d, cx, cy, r, n_petals, rot, center_r):
    petal_len = r * 0.55
    petal_w = r * 0.27 * (8.0 / n_petals) ** 0.5
    dist = r - petal_len
    # back ring of petals (slightly darker, offset by half a step) for fullness
    for i in range(n_petals):
        a = rot + 360.0 * (i + 0.5) / n_petals
        ar = math.radians(a)
        px, py = cx + (dist * 0.9) * math.cos(ar), cy + (dist * 0.9) * math.sin(ar)
        pts = ellipse_points(px, py, petal_len * 0.92, petal_w, a)
        d.polygon(scale_pts(pts, SS), fill=8)
        d.line(scale_pts(pts + [pts[0]], SS), fill=5, width=SS)
    # front petals
    for i in range(n_petals):
        a = rot + 360.0 * i / n_petals
        ar = math.radians(a)
        px, py = cx + dist * math.cos(ar), cy + dist * math.sin(ar)
        pts = ellipse_points(px, py, petal_len, petal_w, a)
        d.polygon(scale_pts(pts, SS), fill=6)
        d.line(scale_pts(pts + [pts[0]], SS), fill=5, width=SS)
        # highlight streak along the petal
        hx, hy = cx + (dist + petal_len * 0.25) * math.cos(ar), cy + (dist + petal_len * 0.25) * math.sin(ar)
        hpts = ellipse_points(hx, hy, petal_len * 0.45, petal_w * 0.32, a)
        d.polygon(scale_pts(hpts, SS), fill=7)
    # centre: brown rim, orange disc, highlight, seed dots
    c = center_r
    d.ellipse(tuple(v * SS for v in (cx - c - 1, cy - c - 1, cx + c + 1, cy + c + 1)), fill=11)
    d.ellipse(tuple(v * SS for v in (cx - c, cy - c, cx + c, cy + c)), fill=10)
    ci = c * 0.78
    d.ellipse(tuple(v * SS for v in (cx - ci - 0.6, cy - ci - 0.6, cx + ci - 0.6, cy + ci - 0.6)), fill=9)
    hr = c * 0.32
    hx, hy = cx - c * 0.35, cy - c * 0.38
    d.ellipse(tuple(v * SS for v in (hx - hr, hy - hr, hx + hr, hy + hr)), fill=12)
    if c >= 5:
        for k in range(6):
            a = math.radians(30 + 60 * k)
            sx, sy = cx + c * 0.5 * math.cos(a), cy + c * 0.5 * math.sin(a)
            if (sx - hx) ** 2 + (sy - hy) ** 2 < (hr + 1.2) ** 2:
                continue
            d.ellipse(tuple(v * SS for v in (sx - 0.7, sy - 0.7, sx + 0.7, sy + 0.7)), fill=10)


def downsample_mode(big, w, h):
    """Shrink an index image by SS, each output pixel taking the most common index.

    Background wins ties only when it really dominates, so thin outlines survive.
    """
    src = big.load()
    out = Image.new("P", (w, h), 0)
    dst = out.load()
    for y in range(h):
        for x in range(w):
            counts = {}
            for yy in range(y * SS, y * SS + SS):
                for xx in range(x * SS, x * SS + SS):
                    v = src[xx, yy]
                    counts[v] = counts.get(v, 0) + 1
            bg = counts.pop(0, 0)
            if bg > SS * SS // 2 or not counts:
                dst[x, y] = 0
                continue
            # outline colours get a bonus so edges stay continuous
            best = max(sorted(counts), key=lambda k: counts[k] * (1.6 if k in (1, 5, 11) else 1.0))
            dst[x, y] = best
    return out


def make_flowers(path):
    W, H = 125, 140
    big = Image.new("P", (W * SS, H * SS), 0)
    d = ImageDraw.Draw(big)

    # grass tuft the bouquet grows out of
    for bx, tipx, tipy, wdt in ((38, 24, 116, 7), (48, 40, 110, 7), (78, 88, 111, 7),
                                (88, 102, 117, 7), (58, 54, 112, 5), (70, 74, 113, 5)):
        pts = leaf_points((bx, 132), (tipx, tipy), wdt)
        d.polygon(scale_pts(pts, SS), fill=13)
        d.line(scale_pts(pts + [pts[0]], SS), fill=14, width=SS)

    # stems (drawn before the leaves and blossoms so those overlap them)
    stems = [
        bezier((60, 127), (58, 100), (70, 70), (74, 40)),   # big flower
        bezier((56, 127), (50, 105), (34, 90), (30, 64)),   # left flower
        bezier((64, 127), (70, 110), (96, 100), (100, 82)),  # right flower
    ]
    for s in stems:
        draw_stem(d, s)

    # grassy mound in front of the stem ends
    d.ellipse(tuple(v * SS for v in (26, 122, 100, 139)), fill=14)
    d.ellipse(tuple(v * SS for v in (27, 123, 99, 138)), fill=13)
    d.ellipse(tuple(v * SS for v in (36, 124, 62, 129)), fill=4)

    # leaves
    draw_leaf(d, (58, 112), (30, 100), 13)
    draw_leaf(d, (64, 104), (90, 118), 12)
    draw_leaf(d, (66, 80), (90, 66), 11)
    draw_leaf(d, (42, 94), (22, 85), 9)

    # blossoms: back to front
    draw_blossom(d, 100, 80, 17, 8, 10, 5.5)
    draw_blossom(d, 30, 62, 21, 9, -5, 6.5)
    draw_blossom(d, 72, 34, 28, 10, 0, 9)

    img = downsample_mode(big, W, H)
    pal = []
    for c in PAL:
        pal.extend(c)
    img.putpalette(pal)
    img.save(path, "GIF", transparency=0, optimize=False)


# ---------------------------------------------------------------------------
# icon.ico
# ---------------------------------------------------------------------------

def icon_pixels():
    """16 x 16 design: a white drill sheet with a folded corner, a big teal
    plus sign and two magenta answer lines.  None = transparent."""
    T = None
    O = (60, 60, 60)      # sheet outline
    Wt = (255, 255, 255)  # paper
    F = (200, 200, 200)   # folded corner
    P = (0, 128, 128)     # teal plus
    M = (255, 0, 255)     # magenta lines
    rows = [
        " OOOOOOOOOO     ",
        " OWWWWWWWWOO    ",
        " OWWWWWPPWOFO   ",
        " OWWWWWPPWOFFO  ",
        " OWWWWWPPWOOOOO ",
        " OWWPPPPPPPPWWO ",
        " OWWPPPPPPPPWWO ",
        " OWWWWWPPWWWWWO ",
        " OWWWWWPPWWWWWO ",
        " OWWWWWPPWWWWWO ",
        " OWWWWWWWWWWWWO ",
        " OWWMMMMMMMMWWO ",
        " OWWWWWWWWWWWWO ",
        " OWWMMMMMMMMWWO ",
        " OWWWWWWWWWWWWO ",
        " OOOOOOOOOOOOOO ",
    ]
    key = {" ": T, "O": O, "W": Wt, "F": F, "P": P, "M": M}
    return [[key[ch] for ch in row] for row in rows]


def write_ico_24(path, pixels):
    """Write a single-image .ico holding a 16x16 24 bpp DIB plus its AND mask."""
    h = len(pixels)
    w = len(pixels[0])
    row_bytes = (w * 3 + 3) & ~3
    mask_row_bytes = ((w + 31) // 32) * 4

    xor = bytearray()
    mask = bytearray()
    for y in range(h - 1, -1, -1):  # DIBs are stored bottom-up
        row = bytearray()
        bits = 0
        mrow = bytearray(mask_row_bytes)
        for x in range(w):
            c = pixels[y][x]
            if c is None:
                row += b"\x00\x00\x00"
                mrow[x // 8] |= 0x80 >> (x % 8)
            else:
                r, g, b = c
                row += bytes((b, g, r))
        row += b"\x00" * (row_bytes - len(row))
        xor += row
        mask += mrow

    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 24, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w & 0xFF, h & 0xFF, 0, 0, 1, 24, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(icondir + entry + image)


def make_icon(path):
    write_ico_24(path, icon_pixels())


# The window icon's shapes in its own 16 x 16 grid (one unit a pixel there):
# the sheet's outline runs through the middle of the outline pixels, the bars
# and lines cover whole pixels.
ICON_SHEET = [(1.5, 0.5), (10.5, 0.5), (14.5, 4.5), (14.5, 15.5), (1.5, 15.5)]
ICON_FOLD = [(10.5, 0.5), (10.5, 4.5), (14.5, 4.5)]
ICON_PLUS = [(7, 2, 9, 10), (4, 5, 12, 7)]
ICON_LINES = [(4, 11, 12, 12), (4, 13, 12, 14)]
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
ICON_NAME = "org.mireva.Mireva"


def draw_icon(size):
    """The icon at size x size pixels, RGBA."""
    if size == 16:
        img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
        for y, row in enumerate(icon_pixels()):
            for x, c in enumerate(row):
                if c is not None:
                    img.putpixel((x, y), c + (255,))
        return img
    # Drawn SS times larger and shrunk by averaging, so edges are smooth.
    k = size * SS / 16.0
    big = Image.new("RGBA", (size * SS, size * SS), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    d.polygon(scale_pts(ICON_SHEET, k), fill=(255, 255, 255, 255))
    d.polygon(scale_pts(ICON_FOLD, k), fill=(200, 200, 200, 255))
    for x0, y0, x1, y1 in ICON_PLUS:
        d.rectangle((x0 * k, y0 * k, x1 * k - 1, y1 * k - 1), fill=TEAL + (255,))
    for x0, y0, x1, y1 in ICON_LINES:
        d.rectangle((x0 * k, y0 * k, x1 * k - 1, y1 * k - 1), fill=MAGENTA + (255,))
    outline = (60, 60, 60, 255)
    width = int(round(k))
    sheet = scale_pts(ICON_SHEET, k)
    d.line(sheet + sheet[:1], fill=outline, width=width, joint="curve")
    d.line(scale_pts(ICON_FOLD, k), fill=outline, width=width, joint="curve")
    # Square corners where the outline turns at right angles, as at 16 px.
    for x, y in sheet:
        d.rectangle((x - k / 2, y - k / 2, x + k / 2 - 1, y + k / 2 - 1), fill=outline)
    return big.resize((size, size), Image.BOX)


def make_theme_icons(root):
    for size in ICON_SIZES:
        folder = os.path.join(root, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        draw_icon(size).save(os.path.join(folder, ICON_NAME + ".png"), "PNG", optimize=True)


def main():
    os.makedirs(ASSETS, exist_ok=True)
    make_banner(os.path.join(ASSETS, "banner.bmp"))
    make_flowers(os.path.join(ASSETS, "flowers.gif"))
    make_icon(os.path.join(ASSETS, "icon.ico"))
    make_theme_icons(os.path.join(ASSETS, "icons", "hicolor"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
