#!/usr/bin/env python3
"""Draw the program icon from simple shapes and write it as app.ico (six 32-bit images)."""
import math
import struct
import sys
import zlib

SIZES = (256, 128, 64, 48, 32, 16)


def pixel(x, y, size):
    """RGBA of one pixel: a blue disc with a white ring and a green repair tick."""
    c = (size - 1) / 2.0
    u, v = (x - c) / (size / 2.0), (y - c) / (size / 2.0)
    r = math.hypot(u, v)
    edge = 1.0 / size * 2.0
    if r > 0.96:
        return (0, 0, 0, 0)
    alpha = 255 if r < 0.96 - edge else int(255 * (0.96 - r) / edge)
    colour = (24, 96, 200)
    if 0.62 < r < 0.76:
        colour = (255, 255, 255)
    # the tick: two strokes meeting low in the middle
    def near(ax, ay, bx, by, w):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((u - ax) * dx + (v - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(u - (ax + t * dx), v - (ay + t * dy)) < w
    if near(-0.34, 0.02, -0.08, 0.30, 0.11) or near(-0.08, 0.30, 0.38, -0.26, 0.11):
        colour = (60, 200, 90)
    return colour + (alpha,)


def rows(size):
    return [[pixel(x, y, size) for x in range(size)] for y in range(size)]


def png(size):
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in rows(size))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(rows(size)) for p in row)
    mask_row = ((size + 31) // 32) * 4
    return header + pixels + b"\0" * (mask_row * size)


def main(out):
    images = [png(s) if s == 256 else dib(s) for s in SIZES]
    offset = 6 + 16 * len(images)
    directory = b""
    for size, data in zip(SIZES, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "app.ico")
