#!/usr/bin/env python3
"""Draws the desktop's icons of Probaview under resources/icons/hicolor/: the
picture of tools/make_icon.py (a bell curve over its axes on a card) as smooth
PNGs of 16 to 256 pixels and as a scalable SVG. The 32-pixel size is the
program's own 16-colour icon. Run from the repository root; the output is
committed."""

import math
import os
import shutil
import struct
import zlib

APP_ID = "com.tessavan.Probaview"
SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
OVERSAMPLING = 4  # samples per pixel along each axis

# The picture in the 32-unit frame of the 16-colour icon.
NAVY, WHITE, GREY = (0, 0, 128), (255, 255, 255), (128, 128, 128)
LIME, CYAN, BLUE, RED, BLACK = (0, 255, 0), (0, 255, 255), (0, 0, 255), (255, 0, 0), (0, 0, 0)
BASE, TOP, LEFT, RIGHT = 25.0, 7.0, 5.0, 27.0
CENTRE, SPREAD = (LEFT + RIGHT) / 2, 3.6
QUANTILE_X = CENTRE + 1.645 * SPREAD
CURVE_HALF_WIDTH = 0.9


def height(u):
    return BASE - (BASE - TOP) * math.exp(-0.5 * ((u - CENTRE) / SPREAD) ** 2)


def slope(u):
    return (BASE - TOP) * (u - CENTRE) / SPREAD ** 2 * math.exp(-0.5 * ((u - CENTRE) / SPREAD) ** 2)


def colour_at(u, v):
    """The colour at point (u, v) of the frame, or None where it is transparent;
    later shapes cover earlier ones."""
    colour = None
    if 3 <= u < 31 and 3 <= v < 31:
        colour = GREY
    if 2 <= u < 30 and 2 <= v < 30:
        colour = NAVY if u < 3 or u >= 29 or v < 3 or v >= 29 else WHITE
    if LEFT <= u < RIGHT + 1 and height(u) < v < BASE:
        colour = LIME if u < QUANTILE_X else CYAN
    if QUANTILE_X <= u < QUANTILE_X + 1 and height(QUANTILE_X) < v < BASE:
        colour = RED
    if LEFT <= u <= RIGHT + 1 and abs(v - height(u)) / math.hypot(1, slope(u)) < CURVE_HALF_WIDTH:
        colour = BLUE
    if (BASE <= v < BASE + 1 and 4 <= u < 28) or (4 <= u < 5 and 5 <= v < BASE + 1):
        colour = BLACK
    if BASE + 1 <= v < BASE + 2 and any(x <= u < x + 1 for x in range(6, 28, 4)):
        colour = BLACK
    return colour


def render(size):
    rows = []
    step = 32.0 / size
    samples = OVERSAMPLING * OVERSAMPLING
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = a = 0
            for i in range(OVERSAMPLING):
                for j in range(OVERSAMPLING):
                    c = colour_at((px + (j + 0.5) / OVERSAMPLING) * step, (py + (i + 0.5) / OVERSAMPLING) * step)
                    if c is not None:
                        r, g, b, a = r + c[0], g + c[1], b + c[2], a + 1
            # Colours averaged over the covered samples, coverage as alpha.
            row += bytes((r // a, g // a, b // a, 255 * a // samples) if a else (0, 0, 0, 0))
        rows.append(bytes(row))
    return rows


def png(rows, size):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def svg():
    def rgb(c):
        return "#%02x%02x%02x" % c

    curve = " ".join("%.2f,%.2f" % (LEFT + k * 0.25, height(LEFT + k * 0.25)) for k in range(int((RIGHT + 1 - LEFT) * 4) + 1))
    fill_to = lambda lo, hi: ("M%.2f,%.2f " % (lo, BASE) + " ".join(
        "L%.2f,%.2f" % (u, height(u)) for u in [lo + (hi - lo) * k / 40 for k in range(41)]) + " L%.2f,%.2f Z" % (hi, BASE))
    ticks = "".join('<rect x="%d" y="26" width="1" height="1"/>' % x for x in range(6, 28, 4))
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
<rect x="3" y="3" width="28" height="28" fill="{rgb(GREY)}"/>
<rect x="2.5" y="2.5" width="27" height="27" fill="{rgb(WHITE)}" stroke="{rgb(NAVY)}"/>
<path d="{fill_to(LEFT, QUANTILE_X)}" fill="{rgb(LIME)}"/>
<path d="{fill_to(QUANTILE_X, RIGHT + 1)}" fill="{rgb(CYAN)}"/>
<rect x="{QUANTILE_X:.2f}" y="{height(QUANTILE_X):.2f}" width="1" height="{BASE - height(QUANTILE_X):.2f}" fill="{rgb(RED)}"/>
<polyline points="{curve}" fill="none" stroke="{rgb(BLUE)}" stroke-width="{2 * CURVE_HALF_WIDTH}" stroke-linejoin="round"/>
<g fill="{rgb(BLACK)}"><rect x="4" y="25" width="24" height="1"/><rect x="4" y="5" width="1" height="21"/>{ticks}</g>
</svg>
"""


if __name__ == "__main__":
    root = os.path.join("resources", "icons", "hicolor")
    for size in SIZES:
        folder = os.path.join(root, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        target = os.path.join(folder, APP_ID + ".png")
        if size == 32:
            shutil.copyfile(os.path.join("resources", "probaview_icon.png"), target)
        else:
            with open(target, "wb") as f:
                f.write(png(render(size), size))
    folder = os.path.join(root, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, APP_ID + ".svg"), "w") as f:
        f.write(svg())
