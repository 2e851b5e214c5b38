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


# ---- radio device pictures (96 x 96) and card icons ----

def poly(c, points, colour):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    c.fill(inside, colour)


def rounded(c, x0, y0, x1, y1, r, colour):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return math.hypot(x - cx, y - cy) <= r
    c.fill(inside, colour)


CASE = (236, 238, 240, 255)
EDGE = (150, 156, 162, 255)
DARK = (60, 66, 74, 255)
WATER = (50, 130, 220, 255)
FLAME = (240, 120, 30, 255)


def body(c, x0, y0, x1, y1, r=8):
    rounded(c, x0, y0, x1, y1, r, EDGE)
    rounded(c, x0 + 3, y0 + 3, x1 - 3, y1 - 3, max(r - 3, 1), CASE)


def disc(c, r=40):
    c.circle(48, 48, r, EDGE)
    c.circle(48, 48, r - 3, CASE)


def droplet(c, cx, cy, r, colour):
    c.circle(cx, cy, r, colour)
    poly(c, [(cx - r * 0.92, cy - r * 0.4), (cx, cy - r * 2.3), (cx + r * 0.92, cy - r * 0.4)], colour)


def dev_T02():  # heat detector: round with a heat sensor and slots
    c = Canvas(96)
    disc(c)
    c.circle(48, 48, 12, DARK)
    c.circle(48, 48, 8, (200, 60, 40, 255))
    for a in range(0, 360, 45):
        t = math.radians(a)
        c.line(48 + 18 * math.cos(t), 48 + 18 * math.sin(t),
               48 + 30 * math.cos(t), 48 + 30 * math.sin(t), 3, EDGE)
    return c


def dev_T03():  # smoke detector: round with smoke waves
    c = Canvas(96)
    disc(c)
    for k, y in enumerate((36, 48, 60)):
        c.fill(lambda x, yy, y=y: 26 <= x <= 70 and abs(yy - (y + 4 * math.sin(x / 5.0))) <= 2,
               GREY)
    c.circle(72, 30, 4, RED)
    return c


def dev_T04():  # magnetic contact: body and magnet
    c = Canvas(96)
    body(c, 14, 14, 44, 84, 6)
    body(c, 54, 24, 80, 74, 6)
    c.circle(29, 26, 4, GREEN)
    c.line(44, 49, 54, 49, 2, DARK)
    return c


def dev_T06():  # infrared motion detector: tall body with a lens
    c = Canvas(96)
    body(c, 24, 8, 72, 88, 12)
    c.fill(lambda x, y: math.hypot(x - 48, y - 40) <= 18 and y <= 48, DARK)
    c.rect(30, 48, 66, 52, DARK)
    c.circle(48, 70, 4, RED)
    return c


def dev_T07():  # light and sound siren
    c = Canvas(96)
    body(c, 16, 40, 80, 86, 8)
    c.fill(lambda x, y: math.hypot(x - 48, y - 40) <= 22 and y <= 40, RED)
    for dx in (-14, 0, 14):
        c.circle(48 + dx, 66, 4, DARK)
    return c


def dev_T10():  # climate sensor: thermometer and droplet
    c = Canvas(96)
    body(c, 12, 12, 84, 84, 10)
    c.rect(30, 24, 38, 58, DARK)
    c.circle(34, 64, 9, RED)
    c.rect(32, 34, 36, 60, RED)
    droplet(c, 62, 60, 10, WATER)
    return c


def dev_T11():  # key fob with four buttons
    c = Canvas(96)
    c.circle(48, 12, 8, EDGE, inner=4)
    rounded(c, 26, 18, 70, 90, 18, DARK)
    for x, y in ((40, 40), (56, 40), (40, 60), (56, 60)):
        c.circle(x, y, 6, LIGHT)
    c.circle(48, 78, 3, GREEN)
    return c


def dev_T13():  # counter adapter: box with a meter dial and a pipe
    c = Canvas(96)
    c.rect(4, 60, 92, 74, EDGE)
    c.circle(40, 52, 26, EDGE)
    c.circle(40, 52, 22, LIGHT)
    c.line(40, 52, 52, 40, 3, RED)
    body(c, 66, 18, 90, 54, 5)
    c.circle(78, 30, 3, GREEN)
    return c


def dev_T14():  # relay module: box with terminals and a switch
    c = Canvas(96)
    body(c, 10, 20, 86, 78, 6)
    for x in (22, 38, 58, 74):
        c.rect(x - 5, 62, x + 5, 72, DARK)
        c.circle(x, 67, 2, LIGHT)
    c.line(26, 44, 44, 34, 3, BLUE)
    c.circle(24, 44, 3, BLUE)
    c.circle(48, 44, 3, BLUE)
    return c


def dev_T15():  # siren: horn
    c = Canvas(96)
    body(c, 10, 34, 40, 62, 4)
    poly(c, [(40, 38), (80, 14), (80, 82), (40, 58)], EDGE)
    poly(c, [(44, 41), (76, 21), (76, 75), (44, 55)], CASE)
    c.fill(lambda x, y: x > 84 and 8 <= math.hypot(x - 80, y - 48) <= 11, DARK)
    return c


def dev_T16():  # tilt detector: box and an angle
    c = Canvas(96)
    body(c, 14, 24, 82, 72, 8)
    c.line(26, 62, 70, 62, 3, DARK)
    c.line(26, 62, 64, 34, 3, RED)
    c.fill(lambda x, y: x > 26 and y < 62 and 18 <= math.hypot(x - 26, y - 62) <= 21
           and math.atan2(62 - y, x - 26) < 0.64, DARK)
    return c


def dev_T18():  # pet-immune motion detector: lens and a paw
    c = Canvas(96)
    body(c, 24, 8, 72, 88, 12)
    c.fill(lambda x, y: math.hypot(x - 48, y - 34) <= 16 and y <= 42, DARK)
    c.circle(48, 68, 7, GOLD)
    for dx, dy in ((-9, -8), (-3, -11), (3, -11), (9, -8)):
        c.circle(48 + dx, 66 + dy, 3, GOLD)
    return c


def dev_T19():  # pulse meter: dial with pulses
    c = Canvas(96)
    disc(c, 38)
    for i, x in enumerate(range(24, 72, 12)):
        c.rect(x, 40, x + 5, 56, BLUE)
    c.line(20, 48, 76, 48, 2, DARK)
    return c


def dev_T20():  # display unit: a screen
    c = Canvas(96)
    body(c, 8, 16, 88, 80, 6)
    c.rect(16, 24, 80, 58, DARK)
    c.rect(22, 30, 52, 34, GREEN)
    c.rect(22, 40, 70, 44, GREEN)
    for x in (30, 48, 66):
        c.circle(x, 69, 4, BLUE)
    return c


def dev_T22():  # flame detector
    c = Canvas(96)
    body(c, 18, 10, 78, 86, 10)
    droplet(c, 48, 64, 16, FLAME)
    droplet(c, 48, 68, 8, GOLD)
    return c


def dev_T26():  # ceiling motion detector: round with a central dome
    c = Canvas(96)
    disc(c, 42)
    c.circle(48, 48, 18, DARK)
    c.circle(42, 42, 5, (110, 116, 124, 255))
    c.circle(48, 78, 3, RED)
    return c


def dev_T27():  # dual-zone outdoor detector: two lenses
    c = Canvas(96)
    body(c, 20, 6, 76, 90, 12)
    c.rect(16, 6, 80, 14, EDGE)
    c.circle(48, 36, 13, DARK)
    c.circle(48, 66, 13, DARK)
    return c


def dev_T29():  # leak detector: droplet on a sensor with pads
    c = Canvas(96)
    body(c, 14, 58, 82, 86, 6)
    c.rect(24, 82, 30, 90, DARK)
    c.rect(66, 82, 72, 90, DARK)
    droplet(c, 48, 36, 14, WATER)
    return c


def dev_T30():  # repeater: box and antenna waves
    c = Canvas(96)
    body(c, 22, 40, 74, 88, 6)
    c.line(48, 40, 48, 16, 3, DARK)
    for r in (10, 18):
        c.fill(lambda x, y, r=r: y < 16 and r - 2 <= math.hypot(x - 48, y - 16) <= r, BLUE)
    c.circle(48, 64, 4, GREEN)
    return c


def dev_T32():  # glass-break detector: cracked pane
    c = Canvas(96)
    c.rect(10, 10, 86, 86, EDGE)
    c.rect(14, 14, 82, 82, LIGHT)
    for x1, y1 in ((20, 22), (78, 30), (70, 80), (22, 72), (48, 14)):
        c.line(48, 48, x1, y1, 2, DARK)
    return c


def dev_T34():  # shock detector: body and a vibration trace
    c = Canvas(96)
    body(c, 14, 18, 82, 78, 8)
    pts = [(22, 48), (32, 48), (38, 30), (46, 66), (54, 34), (60, 56), (66, 48), (74, 48)]
    for (a, b), (e, f) in zip(pts, pts[1:]):
        c.line(a, b, e, f, 3, RED)
    return c


def dev_T53():  # leak detector with a cable probe
    c = Canvas(96)
    body(c, 10, 10, 50, 50, 6)
    c.line(30, 50, 30, 80, 3, DARK)
    c.line(30, 80, 80, 80, 3, DARK)
    droplet(c, 70, 62, 9, WATER)
    return c


def dev_T55():  # leak detector in a flat case
    c = Canvas(96)
    rounded(c, 8, 44, 88, 80, 16, EDGE)
    rounded(c, 11, 47, 85, 77, 13, CASE)
    droplet(c, 48, 32, 11, WATER)
    c.fill(lambda x, y: 20 <= x <= 76 and abs(y - (64 + 3 * math.sin(x / 4.0))) <= 2, WATER)
    return c


def dev_T57():  # power socket relay
    c = Canvas(96)
    rounded(c, 10, 10, 86, 86, 12, EDGE)
    rounded(c, 14, 14, 82, 82, 9, CASE)
    c.circle(48, 48, 26, LIGHT)
    c.circle(38, 48, 5, DARK)
    c.circle(58, 48, 5, DARK)
    c.circle(72, 22, 4, GREEN)
    return c


def dev_T66():  # valve controller: pipe, valve and handle
    c = Canvas(96)
    c.rect(4, 56, 92, 72, EDGE)
    body(c, 30, 44, 66, 84, 6)
    c.rect(45, 24, 51, 44, DARK)
    c.rect(26, 18, 70, 26, RED)
    return c


def dev_T67():  # heat and smoke detector: disc with flame
    c = Canvas(96)
    disc(c)
    droplet(c, 48, 58, 12, FLAME)
    c.fill(lambda x, y: 24 <= x <= 72 and abs(y - (30 + 3 * math.sin(x / 4.0))) <= 2, GREY)
    return c


def dev_Korvel():  # the communicator itself
    c = Canvas(96)
    body(c, 10, 22, 86, 88, 6)
    c.line(74, 22, 74, 4, 3, DARK)
    for i, colour in enumerate((GREEN, GREEN, GOLD, RED)):
        c.circle(24 + 14 * i, 40, 4, colour)
    c.rect(20, 56, 76, 76, DARK)
    c.rect(24, 60, 50, 64, LIGHT)
    return c


def locked_gray():
    c = Canvas(32)
    c.fill(lambda x, y: y <= 16 and 6 <= math.hypot(x - 16, y - 14) <= 9, GREY)
    c.rect(6, 14, 26, 29, GREY)
    c.circle(16, 21, 2.5, WHITE)
    c.rect(15, 21, 17, 26, WHITE)
    return c


def rssi():
    c = Canvas(32)
    c.line(16, 30, 16, 12, 3, DARK)
    poly(c, [(8, 4), (24, 4), (16, 14)], DARK)
    for r in (8, 13):
        c.fill(lambda x, y, r=r: y < 12 and abs(x - 16) > 3 and r - 1.5 <= math.hypot(x - 16, y - 9) <= r
               and abs(x - 16) > abs(y - 9), BLUE)
    return c


def add():
    c = Canvas(32)
    c.line(16, 6, 16, 26, 5, GREEN)
    c.line(6, 16, 26, 16, 5, GREEN)
    return c


def hammer_and_wrench():
    c = Canvas(32)
    c.line(7, 25, 22, 10, 3, GREY)
    c.circle(24, 8, 5, GREY)
    c.circle(24, 8, 2.5, (0, 0, 0, 0))
    c.line(8, 8, 24, 24, 3, GOLD)
    c.line(4, 12, 12, 4, 5, BLUE)
    return c

def stop():
    c = Canvas(32)
    c.circle(16, 16, 14, RED)
    c.rect(10, 10, 22, 22, WHITE)
    return c


def signal_bars(lit, colour):
    def draw():
        c = Canvas(32)
        for i in range(4):
            x0 = 3 + i * 7
            c.rect(x0, 26 - 6 * i, x0 + 4, 29, colour if i < lit else (200, 200, 200, 255))
        if lit == 0:
            c.line(4, 4, 28, 28, 3, RED)
        return c
    return draw


def black_folder():
    c = Canvas(32)
    c.rect(3, 7, 13, 11, DARK)
    c.rect(3, 10, 29, 27, DARK)
    return c


def gear():
    c = Canvas(32)
    for i in range(8):
        a = i * math.pi / 4
        c.line(16, 16, 16 + 13 * math.cos(a), 16 + 13 * math.sin(a), 5, GREY)
    c.circle(16, 16, 10, GREY)
    c.circle(16, 16, 4, (0, 0, 0, 0))
    return c


def select_all():
    c = Canvas(32)
    for y in (4, 13, 22):
        c.rect(4, y, 10, y + 6, BLUE)
        c.line(5, y + 3, 7, y + 5, 2, LIGHT)
        c.line(7, y + 5, 10, y, 2, LIGHT)
        c.rect(13, y + 2, 28, y + 4, GREY)
    return c


def deselect_all():
    c = Canvas(32)
    for y in (4, 13, 22):
        c.rect(4, y, 10, y + 6, GREY)
        c.rect(5, y + 1, 9, y + 5, (0, 0, 0, 0))
        c.rect(13, y + 2, 28, y + 4, GREY)
    return c


def select_one():
    c = Canvas(32)
    for y in (4, 13, 22):
        c.rect(4, y, 10, y + 6, BLUE if y == 13 else GREY)
        if y != 13:
            c.rect(5, y + 1, 9, y + 5, (0, 0, 0, 0))
        c.rect(13, y + 2, 28, y + 4, GREY)
    return c
def lamp(colour, ring=None):
    c = Canvas(24)
    c.circle(12, 12, 9, colour)
    c.circle(9, 9, 3, (255, 255, 255, 110))
    if ring:
        c.circle(12, 12, 11.5, ring, inner=10)
    return c


def circle_green():
    return lamp(GREEN)


def circle_gray():
    return lamp((170, 170, 170, 255))


def circle_red():
    return lamp(RED)


def circle_orange():
    return lamp((240, 140, 30, 255))


def circle_green_all():
    return lamp(GREEN, ring=(30, 110, 45, 255))


def eye(open_eye):
    c = Canvas(24)
    c.fill(lambda x, y: math.hypot(x - 12, (y - 12) * 1.9) <= 10.5
           and math.hypot(x - 12, (y - 12) * 1.9) >= 8.5, DARK)
    if open_eye:
        c.circle(12, 12, 3.5, DARK)
    else:
        c.line(4, 20, 20, 4, 2, DARK)
    return c


def eye_open():
    return eye(True)


def eye_closed():
    return eye(False)

DEVICE_PICTURES = {
    "Tarvo-T02": dev_T02, "Tarvo-T03": dev_T03, "Tarvo-T04": dev_T04, "Tarvo-T06": dev_T06,
    "Tarvo-T07": dev_T07, "Tarvo-T10": dev_T10, "Tarvo-T11": dev_T11, "Tarvo-T13": dev_T13,
    "Tarvo-T14": dev_T14, "Tarvo-T15": dev_T15, "Tarvo-T16": dev_T16, "Tarvo-T18": dev_T18,
    "Tarvo-T19": dev_T19, "Tarvo-T20": dev_T20, "Tarvo-T22": dev_T22, "Tarvo-T26": dev_T26,
    "Tarvo-T27": dev_T27, "Tarvo-T29": dev_T29, "Tarvo-T30": dev_T30, "Tarvo-T32": dev_T32,
    "Tarvo-T34": dev_T34, "Tarvo-T53": dev_T53, "Tarvo-T55": dev_T55, "Tarvo-T57": dev_T57,
    "Tarvo-T66": dev_T66, "Tarvo-T67_": dev_T67, "Tarvo-Korvel": dev_Korvel,
}

def hint():  # a question mark in a blue disc
    c = Canvas(32)
    c.circle(16, 16, 15, BLUE)
    c.circle(16, 12, 6, LIGHT, inner=3)
    c.rect(10, 12, 16, 16, BLUE)
    c.rect(15, 17, 18, 21, LIGHT)
    c.circle(16.5, 25, 2, LIGHT)
    return c


def padlock(body, open_shackle):
    def draw():
        c = Canvas(32)
        c.circle(16, 12, 8, body, inner=5)
        c.rect(6, 12, 26, 15, (0, 0, 0, 0))
        if open_shackle:
            c.rect(21, 8, 26, 15, (0, 0, 0, 0))
            c.rect(8, 12, 11, 15, body)
        else:
            c.rect(8, 12, 11, 15, body)
            c.rect(21, 12, 24, 15, body)
        c.rect(5, 15, 27, 29, body)
        c.circle(16, 21, 2.5, WHITE)
        c.rect(15, 21, 17, 25, WHITE)
        return c
    return draw


def not_locked():
    c = padlock(GOLD, False)()
    c.line(22, 2, 30, 10, 3, RED)
    c.line(30, 2, 22, 10, 3, RED)
    return c


def alarm():
    c = Canvas(32)
    c.fill(lambda x, y: y >= 3 and y <= 29 and abs(x - 16) <= (y - 3) * 0.52, RED)
    c.rect(14.5, 10, 17.5, 21, WHITE)
    c.rect(14.5, 24, 17.5, 27, WHITE)
    return c


def fire():
    c = Canvas(32)
    c.circle(16, 21, 9, RED)
    c.fill(lambda x, y: y < 21 and abs(x - 16) <= (y - 3) * 0.5, RED)
    c.circle(16, 23, 5, GOLD)
    c.fill(lambda x, y: 12 < y < 23 and abs(x - 16) <= (y - 12) * 0.45, GOLD)
    return c


def siren():
    c = Canvas(32)
    c.circle(16, 18, 10, RED)
    c.rect(4, 18, 28, 29, (0, 0, 0, 0))
    c.rect(4, 24, 28, 29, GREY)
    c.rect(8, 18, 24, 24, RED)
    c.line(16, 2, 16, 5, 2, GOLD)
    c.line(5, 7, 7, 9, 2, GOLD)
    c.line(27, 7, 25, 9, 2, GOLD)
    return c


def clear():
    c = Canvas(32)
    c.rect(9, 9, 23, 29, GREY)
    c.rect(6, 5, 26, 8, GREY)
    c.rect(13, 2, 19, 5, GREY)
    for x in (12, 16, 20):
        c.rect(x - 0.8, 12, x + 0.8, 26, WHITE)
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
    "locked_gray": locked_gray,
    "rssi": rssi,
    "hint": hint,
    "Add": add,
    "hammer_and_wrench": hammer_and_wrench,
    "stop": stop,
    "locked": padlock(GREEN, False),
    "unlocked": padlock(BLUE, True),
    "not_locked": not_locked,
    "alarm": alarm,
    "fire": fire,
    "siren": siren,
    "clear": clear,
}

SIGNAL_PICTURES = {
    "no_connection": signal_bars(0, GREY),
    "low_connect": signal_bars(1, RED),
    "medium_connect": signal_bars(2, GOLD),
    "good_connect": signal_bars(3, GREEN),
    "high_connect": signal_bars(4, GREEN),
    "black_folder": black_folder,
    "gear": gear,
    "select_all": select_all,
    "deselect_all": deselect_all,
    "select_one": select_one,
    "circle_green": circle_green,
    "circle_gray": circle_gray,
    "circle_red": circle_red,
    "circle_orange": circle_orange,
    "circle_green_all": circle_green_all,
    "eye_open": eye_open,
    "eye_closed": eye_closed,
}


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join(folder, name + ".png"), "wb") as f:
            f.write(draw().png())
    devices = os.path.join(folder, "devices")
    os.makedirs(devices, exist_ok=True)
    for name, draw in DEVICE_PICTURES.items():
        with open(os.path.join(devices, name + ".png"), "wb") as f:
            f.write(draw().png())
    signals = os.path.join(folder, "connectImages")
    os.makedirs(signals, exist_ok=True)
    for name, draw in SIGNAL_PICTURES.items():
        with open(os.path.join(signals, name + ".png"), "wb") as f:
            f.write(draw().png())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/images")
