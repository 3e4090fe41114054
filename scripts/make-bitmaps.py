#!/usr/bin/env python3
"""Draws the program's small bitmaps and writes them as 24-bit .bmp files.

    scripts/make-bitmaps.py

The pictures are kept here as ASCII art, so that a bitmap is changed by editing this script and
running it again; the .bmp files it writes into resources/bitmaps/ are committed beside it (the
build does not run it).

Art characters: 'K' black, 'D' dark grey, 'S' light grey (the button face), 'W' white.

The splash and version picture (106) is drawn by code instead: a drawing sheet with a few
figures on a blue ground and the program's name in a 5 x 7 dot font.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', 'resources', 'bitmaps')

COLOURS = {'K': (0, 0, 0), 'D': (128, 128, 128), 'S': (192, 192, 192), 'W': (255, 255, 255)}

# 1110: the drop-down button at rest, raised, with its arrow.
DROP_DOWN_REST = """
WWWWWWWWWWWWWWWK
WSSSSSSSSSSSSSDK
WSSSSSSSSSSSSSDK
WSSSSSSSSSSSSSDK
WSSSSSSSSSSSSSDK
WSSSSSSSSSSSSSDK
WSSSSKKKKKKKSSDK
WSSSSSKKKKKSSSDK
WSSSSSSKKKSSSSDK
WSSSSSSSKSSSSSDK
WSSSSSSSSSSSSSDK
WSSSSSSSSSSSSSDK
WSSSSSSSSSSSSSDK
WSSSSSSSSSSSSSDK
WDDDDDDDDDDDDDDK
KKKKKKKKKKKKKKKK
"""

# 1111: the same button pressed: sunken, its arrow one pixel down and to the right.
DROP_DOWN_PRESSED = """
DDDDDDDDDDDDDDDD
DSSSSSSSSSSSSSSD
DSSSSSSSSSSSSSSD
DSSSSSSSSSSSSSSD
DSSSSSSSSSSSSSSD
DSSSSSSSSSSSSSSD
DSSSSSSSSSSSSSSD
DSSSSSKKKKKKKSSD
DSSSSSSKKKKKSSSD
DSSSSSSSKKKSSSSD
DSSSSSSSSKSSSSSD
DSSSSSSSSSSSSSSD
DSSSSSSSSSSSSSSD
DSSSSSSSSSSSSSSD
DSSSSSSSSSSSSSSD
DDDDDDDDDDDDDDDD
"""


def bmp(art):
    lines = art.strip('\n').split('\n')
    height = len(lines)
    width = len(lines[0])
    assert all(len(line) == width for line in lines), 'every row of a picture is as wide'
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for line in reversed(lines):   # bottom-up, as in every DIB
        row = b''.join(struct.pack('<BBB', b, g, r) for (r, g, b) in (COLOURS[c] for c in line))
        rows.append(row + b'\0' * (stride - len(row)))
    pixels = b''.join(rows)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def bmp_pixels(pixels):
    """A 24-bit .bmp of rows of (r, g, b) tuples, top row first."""
    height = len(pixels)
    width = len(pixels[0])
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for row in reversed(pixels):   # bottom-up, as in every DIB
        data = b''.join(struct.pack('<BBB', b, g, r) for (r, g, b) in row)
        rows.append(data + b'\0' * (stride - len(data)))
    data = b''.join(rows)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    return header + info + data


# The letters of the splash texts, 5 x 7 dots each.
FONT = {
    'A': ['.XXX.', 'X...X', 'X...X', 'XXXXX', 'X...X', 'X...X', 'X...X'],
    'D': ['XXXX.', 'X...X', 'X...X', 'X...X', 'X...X', 'X...X', 'XXXX.'],
    'E': ['XXXXX', 'X....', 'X....', 'XXXX.', 'X....', 'X....', 'XXXXX'],
    'G': ['.XXX.', 'X...X', 'X....', 'X.XXX', 'X...X', 'X...X', '.XXX.'],
    'I': ['.XXX.', '..X..', '..X..', '..X..', '..X..', '..X..', '.XXX.'],
    'K': ['X...X', 'X..X.', 'X.X..', 'XX...', 'X.X..', 'X..X.', 'X...X'],
    'N': ['X...X', 'XX..X', 'X.X.X', 'X..XX', 'X...X', 'X...X', 'X...X'],
    'O': ['.XXX.', 'X...X', 'X...X', 'X...X', 'X...X', 'X...X', '.XXX.'],
    'R': ['XXXX.', 'X...X', 'X...X', 'XXXX.', 'X.X..', 'X..X.', 'X...X'],
    'T': ['XXXXX', '..X..', '..X..', '..X..', '..X..', '..X..', '..X..'],
    'V': ['X...X', 'X...X', 'X...X', 'X...X', 'X...X', '.X.X.', '..X..'],
    'W': ['X...X', 'X...X', 'X...X', 'X.X.X', 'X.X.X', 'XX.XX', 'X...X'],
    '2': ['.XXX.', 'X...X', '....X', '...X.', '..X..', '.X...', 'XXXXX'],
    ' ': ['.....'] * 7,
}


class Canvas:
    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.pixels = [[colour] * width for _ in range(height)]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                self.dot(x, y, colour)

    def frame(self, left, top, right, bottom, colour, width=1):
        self.fill(left, top, right, top + width, colour)
        self.fill(left, bottom - width, right, bottom, colour)
        self.fill(left, top, left + width, bottom, colour)
        self.fill(right - width, top, right, bottom, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            self.fill(x - width // 2, y - width // 2, x - width // 2 + width, y - width // 2 + width, colour)

    def circle(self, cx, cy, radius, colour, width=1):
        for y in range(cy - radius - width, cy + radius + width + 1):
            for x in range(cx - radius - width, cx + radius + width + 1):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if abs(d - radius) < width / 2 + 0.5:
                    self.dot(x, y, colour)

    def text(self, x, y, text, scale, colour):
        for ch in text:
            for row, bits in enumerate(FONT[ch]):
                for col, bit in enumerate(bits):
                    if bit == 'X':
                        self.fill(x + col * scale, y + row * scale, x + (col + 1) * scale, y + (row + 1) * scale,
                                  colour)
            x += 6 * scale

    @staticmethod
    def text_width(text, scale):
        return len(text) * 6 * scale - scale


def splash():
    """106: 400 x 250, the program's name over a drawing sheet."""
    navy, blue, pale = (16, 40, 96), (40, 90, 170), (214, 226, 242)
    white, grid, red, black, shadow = (255, 255, 255), (200, 214, 234), (200, 30, 30), (0, 0, 0), (8, 20, 56)
    c = Canvas(400, 250, navy)
    # The title band: the name, and what the program is below it.
    c.fill(0, 0, 400, 96, blue)
    name = 'KORVANE'
    c.text((400 - Canvas.text_width(name, 7)) // 2, 14, name, 7, white)
    subtitle = '2D DRAWING EDITOR'
    c.text((400 - Canvas.text_width(subtitle, 2)) // 2, 72, subtitle, 2, pale)
    # The sheet with its shadow, a grid and a few figures.
    c.fill(46, 116, 362, 240, shadow)
    c.fill(40, 110, 356, 234, white)
    for x in range(40, 356, 16):
        c.line(x, 110, x, 233, grid)
    for y in range(110, 234, 16):
        c.line(40, y, 355, y, grid)
    c.frame(40, 110, 356, 234, black)
    c.line(64, 214, 176, 132, red, 3)
    c.circle(228, 172, 34, blue, 3)
    c.frame(276, 134, 336, 210, black, 2)
    c.fill(278, 136, 334, 208, pale)
    return c.pixels


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, art in (('drop-down-rest', DROP_DOWN_REST), ('drop-down-pressed', DROP_DOWN_PRESSED)):
        with open(os.path.join(OUT, name + '.bmp'), 'wb') as f:
            f.write(bmp(art))
    with open(os.path.join(OUT, 'splash.bmp'), 'wb') as f:
        f.write(bmp_pixels(splash()))


if __name__ == '__main__':
    main()
