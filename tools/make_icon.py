#!/usr/bin/env python3
"""Draws the application icon, resources/probaview_icon.png: 32 x 32 pixels in
16 colours (the classic 16-colour palette), a bell curve over its axes on a
light card. Run from the repository root; the output is committed."""

import math
import struct
import zlib

SIZE = 32
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_RED, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(16)
TRANSPARENT = MAGENTA  # unused in the picture, so it serves as the transparent key


def draw():
    image = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    # The card: white, a grey shadow on the right and the bottom, a black rim.
    for y in range(2, 30):
        for x in range(2, 30):
            image[y][x] = WHITE
    for i in range(3, 31):
        image[30][i] = GREY
        image[i][30] = GREY
    for i in range(2, 30):
        image[2][i] = image[29][i] = image[i][2] = image[i][29] = NAVY

    # The bell curve of the axes' frame: mean at the centre, filled below.
    base, top = 25, 7
    left, right = 5, 27
    centre = (left + right) / 2
    spread = 3.6
    quantile_x = round(centre + 1.645 * spread)
    heights = {}
    for x in range(left, right + 1):
        heights[x] = base - (base - top) * math.exp(-0.5 * ((x - centre) / spread) ** 2)
    for x in range(left, right + 1):
        curve_y = round(heights[x])
        for y in range(curve_y + 1, base):
            image[y][x] = LIME if x < quantile_x else CYAN
    # The curve itself, two pixels thick and joined between columns.
    previous = None
    for x in range(left, right + 1):
        y = round(heights[x])
        ys = range(min(y, previous), max(y, previous) + 1) if previous is not None else [y]
        for yy in ys:
            image[yy][x] = BLUE
            if yy - 1 > 2:
                image[yy - 1][x] = BLUE
        previous = y

    # The axes.
    for x in range(4, 28):
        image[base][x] = BLACK
    for y in range(5, base + 1):
        image[y][4] = BLACK
    for x in range(6, 28, 4):
        image[base + 1][x] = BLACK
    # A red marker at the 0.95 quantile; the tail beyond it is cyan.
    for y in range(round(heights[quantile_x]) + 1, base):
        image[y][quantile_x] = RED
    return image



def png(image):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    rows = b""
    for row in image:
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, SIZE, 2))
        rows += b"\x00" + packed
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0)
    palette = b"".join(bytes(c) for c in PALETTE)
    alpha = bytes(0 if i == TRANSPARENT else 255 for i in range(16))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette) + chunk(b"tRNS", alpha) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    with open("resources/probaview_icon.png", "wb") as f:
        f.write(png(draw()))
