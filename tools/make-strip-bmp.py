#!/usr/bin/env python3
"""make-strip-bmp.py OUT: writes the sample host's strip picture, an 8-bit BMP with a
256-colour palette (so the picture also exercises the page's palette handling): a dusk
gradient with rings around a low sun. Run again only to change the picture."""
import math
import struct
import sys

W, H = 120, 300
TOP, LOW = (18, 32, 92), (240, 186, 120)   # palette ramp: night blue to warm light


def colour(i):
    t = i / 255
    return tuple(round(a + (b - a) * t) for a, b in zip(TOP, LOW))


def index(x, y):
    t = y / (H - 1)                                      # 0 at the top
    d = math.hypot(x - W * 0.5, y - H * 0.78)
    glow = max(0.0, 1 - d / (W * 0.9))
    rings = 0.5 + 0.5 * math.cos(d / 5.0)
    v = 150 * t + 105 * glow * (0.6 + 0.4 * rings)
    return max(0, min(255, int(v)))


rows = []
stride = (W + 3) // 4 * 4
for y in range(H - 1, -1, -1):                           # stored bottom-up
    row = bytes(index(x, y) for x in range(W))
    rows.append(row + bytes(stride - W))
pixels = b"".join(rows)
table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in map(colour, range(256)))
header = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 0, len(pixels), 2835, 2835, 0, 0)
offset = 14 + len(header) + len(table)
data = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + table + pixels
with open(sys.argv[1], "wb") as f:
    f.write(data)
