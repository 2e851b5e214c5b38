#!/usr/bin/env python3
"""Draws the program's simple pictures into resources/images/ as PNG files.

Each picture is a few filled shapes on a transparent square; run it again after adding one.
"""
import math
import os
import struct
import sys
import zlib


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def fill(self, inside, colour):
        for y in range(self.size):
            for x in range(self.size):
                if inside(x + 0.5, y + 0.5):
                    self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        self.fill(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, colour)

    def circle(self, cx, cy, r, colour, inner=0.0):
        self.fill(lambda x, y: inner <= math.hypot(x - cx, y - cy) <= r, colour)

    def line(self, x0, y0, x1, y1, width, colour):
        def near(x, y):
            dx, dy = x1 - x0, y1 - y0
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
            return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= width / 2
        self.fill(near, colour)

    def png(self):
        raw = bytearray()
        for row in self.px:
            raw.append(0)
            for p in row:
                raw += bytes(p)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        return (b"\x89PNG\r\n\x1a\n"
                + chunk(b"IHDR", struct.pack(">IIBBBBB", self.size, self.size, 8, 6, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


BLUE = (47, 93, 138, 255)
LIGHT = (217, 230, 242, 255)
GREEN = (60, 170, 80, 255)
RED = (210, 60, 50, 255)
GOLD = (220, 170, 40, 255)
GREY = (120, 120, 120, 255)


def logo():
    c = Canvas(128)
    c.circle(64, 64, 62, BLUE)
    c.fill(lambda x, y: 24 <= y <= 108 and abs(x - 64) <= (30 if y < 70 else 30 * (108 - y) / 38),
           LIGHT)
    return c


def copy():
    c = Canvas(32)
    c.rect(4, 4, 20, 22, GREY)
    c.rect(6, 6, 18, 20, LIGHT)
    c.rect(11, 10, 27, 28, BLUE)
    c.rect(13, 12, 25, 26, LIGHT)
    return c


def correct():
    c = Canvas(32)
    c.line(6, 17, 13, 24, 4, GREEN)
    c.line(13, 24, 26, 8, 4, GREEN)
    return c


def incorrect():
    c = Canvas(32)
    c.line(7, 7, 25, 25, 4, RED)
    c.line(25, 7, 7, 25, 4, RED)
    return c


def enter():
    c = Canvas(32)
    c.rect(18, 4, 28, 28, GREY)
    c.rect(20, 6, 26, 26, LIGHT)
    c.line(3, 16, 17, 16, 4, BLUE)
    c.line(11, 9, 18, 16, 4, BLUE)
    c.line(11, 23, 18, 16, 4, BLUE)
    return c


def password_key():
    c = Canvas(32)
    c.circle(10, 16, 7, GOLD, inner=3)
    c.line(16, 16, 29, 16, 4, GOLD)
    c.line(24, 16, 24, 22, 3, GOLD)
    c.line(28, 16, 28, 21, 3, GOLD)
    return c


PICTURES = {
    "logo": logo,
    "copy": copy,
    "correct": correct,
    "incorrect": incorrect,
    "enter": enter,
    "password_key": password_key,
}


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join(folder, name + ".png"), "wb") as f:
            f.write(draw().png())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/images")
