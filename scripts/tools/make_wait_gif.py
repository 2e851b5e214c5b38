#!/usr/bin/env python3
"""Draws the small animated "please wait" spinner (resources/images/wait.gif)."""
import math
import struct
import sys

SIZE = 64
FRAMES = 8
PALETTE = [(255, 255, 255), (200, 210, 220), (47, 93, 138), (0, 0, 0)]


def frame_pixels(step):
    pixels = []
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x - SIZE / 2 + 0.5, y - SIZE / 2 + 0.5
            r = math.hypot(dx, dy)
            colour = 0
            if 18 <= r <= 28:
                sector = int(((math.atan2(dy, dx) + math.pi) / (2 * math.pi)) * FRAMES) % FRAMES
                colour = 2 if sector == step else 1
            pixels.append(colour)
    return pixels


def lzw_bytes(pixels):
    # Clear code after every two pixels keeps every code 3 bits wide.
    codes = []
    for i in range(0, len(pixels), 2):
        codes.append(4)
        codes.extend(pixels[i:i + 2])
    codes.append(5)
    bits, nbits, out = 0, 0, bytearray()
    for code in codes:
        bits |= code << nbits
        nbits += 3
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits & 0xFF)
    blocks = bytearray()
    for i in range(0, len(out), 255):
        chunk = out[i:i + 255]
        blocks.append(len(chunk))
        blocks += chunk
    return bytes(blocks) + b"\x00"


def main(path):
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", SIZE, SIZE, 0x81, 0, 0)
    for rgb in PALETTE:
        data += bytes(rgb)
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for step in range(FRAMES):
        data += b"\x21\xF9\x04\x04" + struct.pack("<H", 10) + b"\x00\x00"
        data += b"\x2C" + struct.pack("<HHHHB", 0, 0, SIZE, SIZE, 0)
        data += b"\x02" + lzw_bytes(frame_pixels(step))
    data += b"\x3B"
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
