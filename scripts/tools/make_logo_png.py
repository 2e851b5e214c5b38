#!/usr/bin/env python3
"""Draws the about-box logo (resources/images/logo.png): a shield on a blue disc."""
import math
import struct
import sys
import zlib

SIZE = 128


def pixel(x, y):
    cx = cy = SIZE / 2
    if math.hypot(x - cx, y - cy) > SIZE / 2 - 2:
        return (0, 0, 0, 0)
    top, bottom = 24, 108
    half = 30 if y < 70 else 30 * max(0.0, (bottom - y) / (bottom - 70))
    if top <= y <= bottom and abs(x - cx) <= half:
        return (217, 230, 242, 255)
    return (47, 93, 138, 255)


def main(path):
    raw = bytearray()
    for y in range(SIZE):
        raw.append(0)
        for x in range(SIZE):
            raw += bytes(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main(sys.argv[1])
