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


ORANGE = (230, 130, 40, 255)
WHITE = (255, 255, 255, 255)


def folder(c, colour):
    c.rect(3, 9, 29, 27, colour)
    c.rect(3, 6, 13, 10, colour)


def load_config():
    c = Canvas(32)
    folder(c, GOLD)
    c.line(16, 12, 16, 24, 3, BLUE)
    c.line(11, 19, 16, 24, 3, BLUE)
    c.line(21, 19, 16, 24, 3, BLUE)
    return c


def save2D():
    c = Canvas(32)
    c.rect(4, 4, 28, 28, BLUE)
    c.rect(9, 4, 23, 12, LIGHT)
    c.rect(8, 17, 24, 28, WHITE)
    c.rect(18, 5, 21, 11, BLUE)
    return c


def exit():
    c = Canvas(32)
    c.rect(4, 4, 18, 28, GREY)
    c.rect(6, 6, 16, 26, LIGHT)
    c.line(12, 16, 28, 16, 3, RED)
    c.line(22, 10, 28, 16, 3, RED)
    c.line(22, 22, 28, 16, 3, RED)
    return c


def plug(c, colour):
    c.rect(10, 8, 22, 18, colour)
    c.rect(12, 3, 14, 8, colour)
    c.rect(18, 3, 20, 8, colour)
    c.line(16, 18, 16, 29, 3, colour)


def connect():
    c = Canvas(32)
    plug(c, GREEN)
    return c


def disconnect():
    c = Canvas(32)
    plug(c, GREY)
    c.line(5, 5, 27, 27, 3, RED)
    return c


def open_configuration():
    c = Canvas(32)
    folder(c, GOLD)
    c.circle(17, 18, 6, BLUE, inner=3.5)
    c.line(21, 22, 27, 28, 3, BLUE)
    return c


def reload():
    c = Canvas(32)
    c.fill(lambda x, y: 7 <= math.hypot(x - 16, y - 16) <= 11
           and not (x > 16 and y < 16), GREEN)
    c.fill(lambda x, y: y <= 16 and x >= 22 and abs(x - 27) + (16 - y) * 0.9 <= 6
           and y >= 10, GREEN)
    return c


def reset():
    c = Canvas(32)
    c.circle(16, 16, 13, ORANGE)
    c.circle(16, 16, 9, WHITE)
    c.line(10, 10, 22, 22, 3, ORANGE)
    return c


def debug():
    c = Canvas(32)
    c.rect(4, 4, 24, 28, GREY)
    c.rect(6, 6, 22, 26, LIGHT)
    for y in (10, 14, 18):
        c.line(9, y, 19, y, 2, BLUE)
    c.circle(23, 22, 6, RED)
    return c


def houses30():
    c = Canvas(32)
    c.fill(lambda x, y: y >= 4 and y <= 15 and abs(x - 16) <= (y - 4) * 1.1, BLUE)
    c.rect(8, 15, 24, 28, BLUE)
    c.rect(14, 20, 18, 28, LIGHT)
    return c


def Clock():
    c = Canvas(32)
    c.circle(16, 16, 14, BLUE)
    c.circle(16, 16, 11, LIGHT)
    c.line(16, 16, 16, 8, 2, BLUE)
    c.line(16, 16, 22, 19, 2, BLUE)
    return c


def wireless17():
    c = Canvas(32)
    c.rect(8, 14, 24, 29, BLUE)
    c.rect(11, 17, 21, 22, LIGHT)
    c.line(16, 14, 16, 6, 2, BLUE)
    c.circle(16, 6, 6, BLUE, inner=4.5)
    c.rect(8, 6, 24, 12, (0, 0, 0, 0))
    c.line(16, 14, 16, 5, 2, BLUE)
    return c


def key():
    c = Canvas(32)
    c.circle(10, 16, 7, BLUE, inner=3)
    c.line(16, 16, 29, 16, 4, BLUE)
    c.line(24, 16, 24, 22, 3, BLUE)
    c.line(28, 16, 28, 21, 3, BLUE)
    return c


def bright4():
    c = Canvas(32)
    c.circle(16, 16, 7, GOLD)
    for i in range(8):
        a = i * math.pi / 4
        c.line(16 + 10 * math.cos(a), 16 + 10 * math.sin(a),
               16 + 14 * math.cos(a), 16 + 14 * math.sin(a), 2.5, GOLD)
    return c


def sound53():
    c = Canvas(32)
    c.rect(4, 12, 10, 20, BLUE)
    c.fill(lambda x, y: 10 <= x <= 17 and abs(y - 16) <= 4 + (x - 10), BLUE)
    c.fill(lambda x, y: x > 19 and 8 <= math.hypot(x - 14, y - 16) <= 10, BLUE)
    c.fill(lambda x, y: x > 22 and 12.5 <= math.hypot(x - 14, y - 16) <= 14.5, BLUE)
    return c


def ethernet():
    c = Canvas(32)
    c.rect(5, 8, 27, 26, BLUE)
    c.rect(8, 11, 24, 21, LIGHT)
    c.rect(12, 21, 20, 24, LIGHT)
    for x in (10, 13, 16, 19, 22):
        c.rect(x, 11, x + 1, 15, BLUE)
    return c


def transmission4():
    c = Canvas(32)
    c.line(16, 14, 10, 29, 2.5, BLUE)
    c.line(16, 14, 22, 29, 2.5, BLUE)
    c.line(12, 24, 20, 24, 2, BLUE)
    c.circle(16, 12, 3, BLUE)
    c.fill(lambda x, y: abs(x - 16) > 4 and 6 <= math.hypot(x - 16, y - 12) <= 8, BLUE)
    c.fill(lambda x, y: abs(x - 16) > 7 and 11 <= math.hypot(x - 16, y - 12) <= 13, BLUE)
    return c


def signal97():
    c = Canvas(32)
    for i, h in enumerate((6, 11, 16, 22)):
        x = 5 + i * 6
        c.rect(x, 28 - h, x + 4, 28, BLUE)
    return c


def bug():
    c = Canvas(32)
    c.circle(16, 19, 8, RED)
    c.circle(16, 9, 4, GREY)
    c.line(16, 12, 16, 27, 1.5, (120, 30, 20, 255))
    for y in (15, 20, 25):
        c.line(4, y - 2, 9, y, 2, GREY)
        c.line(28, y - 2, 23, y, 2, GREY)
    return c

PICTURES = {
    "logo": logo,
    "copy": copy,
    "correct": correct,
    "incorrect": incorrect,
    "enter": enter,
    "password_key": password_key,
    "load_config": load_config,
    "save2D": save2D,
    "exit": exit,
    "connect": connect,
    "disconnect": disconnect,
    "open_configuration": open_configuration,
    "reload": reload,
    "reset": reset,
    "debug": debug,
    "houses30": houses30,
    "Clock": Clock,
    "wireless17": wireless17,
    "key": key,
    "bright4": bright4,
    "sound53": sound53,
    "ethernet": ethernet,
    "transmission4": transmission4,
    "signal97": signal97,
    "bug": bug,
}


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join(folder, name + ".png"), "wb") as f:
            f.write(draw().png())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/images")
