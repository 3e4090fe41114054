#!/usr/bin/env python3
"""Draws the program's small bitmaps and writes them as 24-bit .bmp files.

    scripts/make-bitmaps.py

The pictures are kept here as ASCII art, so that a bitmap is changed by editing this script and
running it again; the .bmp files it writes into resources/bitmaps/ are committed beside it (the
build does not run it).

Art characters: 'K' black, 'D' dark grey, 'S' light grey (the button face), 'W' white.

The splash and version picture (106) is drawn by code instead: a drawing sheet with a few
figures on a blue ground and the program's name in a 5 x 7 dot font. So are the toolbar button
faces (103): a grid of 10 x 10 cells of 18 pixels on the button face colour, one picture per tool;
the pressed faces (104) are the same pictures on a lighter ground and the disabled ones (105) the
same pictures embossed in grey, both derived from 103.
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


# The faces' grid and colours.
FACE_CELL = 18
FACE_GRID = 10
FACE = (192, 192, 192)
PRESSED_FACE = (224, 224, 224)
GREY, WHITE, BLACK = (128, 128, 128), (255, 255, 255), (0, 0, 0)
INK = {'line': (0, 0, 0), 'bezier': (0, 0, 160), 'text': (32, 32, 32), 'measure': (160, 0, 0),
       'image': (0, 112, 0), 'work': (0, 0, 0), 'view': (0, 64, 128)}

# Capital letters and digits in 3 x 5 dots, for the small labels of the faces.
SMALL = {
    'A': ['.X.', 'X.X', 'XXX', 'X.X', 'X.X'], 'B': ['XX.', 'X.X', 'XX.', 'X.X', 'XX.'],
    'E': ['XXX', 'X..', 'XX.', 'X..', 'XXX'], 'F': ['XXX', 'X..', 'XX.', 'X..', 'X..'],
    'G': ['.XX', 'X..', 'X.X', 'X.X', '.XX'], 'I': ['XXX', '.X.', '.X.', '.X.', 'XXX'],
    'J': ['..X', '..X', '..X', 'X.X', '.X.'], 'M': ['X.X', 'XXX', 'XXX', 'X.X', 'X.X'],
    'P': ['XX.', 'X.X', 'XX.', 'X..', 'X..'], 'R': ['XX.', 'X.X', 'XX.', 'X.X', 'X.X'],
    'S': ['.XX', 'X..', '.X.', '..X', 'XX.'], 'T': ['XXX', '.X.', '.X.', '.X.', '.X.'],
}


def small_text(c, x, y, text, colour):
    for ch in text:
        for row, bits in enumerate(SMALL[ch]):
            for col, bit in enumerate(bits):
                if bit == 'X':
                    c.dot(x + col, y + row, colour)
        x += 4


def polygon(c, points, colour, closed=True):
    ends = points + [points[0]] if closed else points
    for (x0, y0), (x1, y1) in zip(ends, ends[1:]):
        c.line(x0, y0, x1, y1, colour)


def ellipse(c, cx, cy, rx, ry, colour, start=0, end=360):
    import math
    steps = 120
    last = None
    for i in range(steps + 1):
        a = math.radians(start + (end - start) * i / steps)
        p = (round(cx + rx * math.cos(a)), round(cy - ry * math.sin(a)))
        if last:
            c.line(last[0], last[1], p[0], p[1], colour)
        last = p


def handles(c, points, colour):
    for x, y in points:
        c.fill(x - 1, y - 1, x + 2, y + 2, colour)


def arrow_head(c, x, y, dx, dy, colour):
    """A small filled head at (x, y) pointing along (dx, dy), one of the four directions."""
    for i in range(3):
        if dx:
            c.line(x - dx * i, y - i, x - dx * i, y + i, colour)
        else:
            c.line(x - i, y - dy * i, x + i, y - dy * i, colour)


def sliders(c, ink):
    for y, knob in ((5, 11), (9, 6), (13, 9)):
        c.line(3, y, 14, y, GREY)
        c.fill(knob - 1, y - 2, knob + 2, y + 3, ink)


def settings(c, ink):
    sliders(c, ink)


def batch(c, ink):
    c.frame(5, 2, 16, 13, GREY)
    c.fill(2, 5, 13, 16, WHITE)
    c.frame(2, 5, 13, 16, ink)
    for y in (8, 10, 12):
        c.line(4, y, 10, y, ink)


def dimension(c, ink, x0, y0, x1, y1, extension=True):
    c.line(x0, y0, x1, y1, ink)
    if extension:
        c.line(x0, y0 - 4, x0, y0 + 4, ink)
        c.line(x1, y1 - 4, x1, y1 + 4, ink)
    arrow_head(c, x0 + 2, y0, -1, 0, ink)
    arrow_head(c, x1 - 2, y1, 1, 0, ink)


def picture(c, ink, label):
    c.frame(1, 2, 17, 16, ink)
    c.fill(2, 3, 16, 15, WHITE)
    small_text(c, 9 - (len(label) * 4 - 1) // 2, 7, label, ink)


def face_pictures():
    """(column, row) -> function drawing the picture on a cell canvas of 18 x 18."""
    L, B, T, M, I, W, V = (INK[k] for k in ('line', 'bezier', 'text', 'measure', 'image', 'work', 'view'))
    f = {}
    # Row 0: select and the clipboard.
    f[1, 0] = lambda c: (polygon(c, [(5, 2), (5, 14), (8, 11), (11, 16), (13, 15), (10, 10), (14, 10)], W),
                         c.line(6, 5, 6, 11, W))
    f[2, 0] = lambda c: (ellipse(c, 9, 10, 5, 5, W, -90, 150), arrow_head(c, 4, 7, -1, 0, W))
    f[3, 0] = lambda c: (ellipse(c, 9, 10, 5, 5, W, 30, 270), arrow_head(c, 14, 7, 1, 0, W))
    f[4, 0] = lambda c: (c.circle(5, 13, 2, W), c.circle(12, 13, 2, W), c.line(6, 11, 12, 2, W), c.line(11, 11, 5, 2, W))
    f[5, 0] = lambda c: (c.frame(2, 2, 11, 13, W), c.fill(6, 5, 16, 16, WHITE), c.frame(6, 5, 16, 16, W),
                         c.line(8, 9, 14, 9, W), c.line(8, 12, 14, 12, W))
    f[6, 0] = lambda c: (c.fill(3, 3, 15, 16, (160, 112, 48)), c.fill(5, 5, 13, 15, WHITE), c.fill(6, 2, 12, 5, W),
                         c.line(6, 8, 11, 8, W), c.line(6, 11, 11, 11, W))
    # Row 1: the line tools.
    f[0, 1] = lambda c: settings(c, L)
    f[1, 1] = lambda c: batch(c, L)
    f[2, 1] = lambda c: (c.line(3, 14, 14, 3, L), handles(c, [(3, 14), (14, 3)], L))
    f[3, 1] = lambda c: polygon(c, [(2, 14), (6, 4), (11, 12), (15, 3)], L, closed=False)
    f[4, 1] = lambda c: c.frame(3, 4, 15, 14, L)
    f[5, 1] = lambda c: polygon(c, [(9, 2), (15, 7), (13, 15), (5, 15), (3, 7)], L)
    f[6, 1] = lambda c: (ellipse(c, 9, 12, 7, 8, L, 0, 180), handles(c, [(2, 12), (9, 4), (16, 12)], L))
    f[7, 1] = lambda c: ellipse(c, 9, 9, 7, 4, L)
    f[8, 1] = lambda c: c.circle(9, 9, 6, L)
    f[9, 1] = lambda c: (ellipse(c, 6, 9, 4, 4, L, 0, 180), ellipse(c, 14, 9, 4, 4, L, 180, 360),
                         handles(c, [(2, 9), (10, 9), (16, 9)], L))
    # Row 2: the Bezier tools.
    f[0, 2] = lambda c: settings(c, B)
    f[1, 2] = lambda c: batch(c, B)
    f[2, 2] = lambda c: (ellipse(c, 6, 11, 4, 5, B, 0, 180), ellipse(c, 14, 11, 4, 5, B, 180, 360),
                         c.line(2, 4, 6, 6, GREY), handles(c, [(2, 4), (2, 11), (18, 11)], B))
    f[3, 2] = lambda c: (ellipse(c, 9, 9, 7, 5, B), c.fill(5, 7, 14, 12, (128, 160, 255)))
    f[4, 2] = lambda c: (c.frame(3, 4, 15, 14, B), handles(c, [(3, 4), (14, 4), (3, 13), (14, 13)], B))
    f[5, 2] = lambda c: (ellipse(c, 9, 9, 7, 5, B), handles(c, [(2, 9), (16, 9), (9, 4), (9, 14)], B))
    f[6, 2] = lambda c: (polygon(c, [(9, 3), (15, 15), (3, 15)], B), handles(c, [(9, 3), (15, 15), (3, 15)], B))
    f[7, 2] = lambda c: (polygon(c, [(5, 3), (15, 5), (13, 15), (2, 12)], B), handles(c, [(5, 3), (15, 5)], B))
    f[8, 2] = lambda c: (polygon(c, [(9, 2), (15, 7), (13, 15), (5, 15), (3, 7)], B),
                         handles(c, [(9, 2), (15, 7), (13, 15), (5, 15), (3, 7)], B))
    # Row 3: the text tools.
    f[0, 3] = lambda c: settings(c, T)
    f[1, 3] = lambda c: batch(c, T)
    f[2, 3] = lambda c: (c.line(4, 15, 9, 3, T, 2), c.line(9, 3, 14, 15, T, 2), c.line(6, 11, 12, 11, T))
    f[3, 3] = lambda c: (c.line(8, 12, 11, 3, T, 2), c.line(11, 3, 15, 12, T, 2), c.line(9, 9, 14, 9, T),
                         c.line(2, 16, 7, 12, T), arrow_head(c, 2, 16, -1, 0, T))
    # Row 4: the dimension tools.
    f[0, 4] = lambda c: settings(c, M)
    f[1, 4] = lambda c: batch(c, M)
    f[2, 4] = lambda c: (c.line(3, 14, 14, 4, M), handles(c, [(3, 14), (14, 4)], M), small_text(c, 2, 2, 'F', M))
    f[3, 4] = lambda c: (polygon(c, [(2, 14), (8, 8), (15, 11)], M, closed=False), handles(c, [(2, 14), (8, 8), (15, 11)], M),
                         small_text(c, 2, 2, 'F', M))
    f[4, 4] = lambda c: dimension(c, M, 2, 9, 15, 9)
    f[5, 4] = lambda c: (dimension(c, M, 2, 6, 15, 6), dimension(c, M, 2, 12, 9, 12))
    f[6, 4] = lambda c: (c.line(3, 15, 15, 15, M), c.line(3, 15, 12, 3, M), ellipse(c, 3, 15, 8, 8, M, 0, 53),
                         small_text(c, 13, 5, 'F', M))
    f[7, 4] = lambda c: (c.line(3, 15, 15, 15, M), c.line(3, 15, 12, 3, M), ellipse(c, 3, 15, 8, 8, M, 0, 53))
    f[8, 4] = lambda c: (ellipse(c, 9, 9, 7, 7, GREY), c.line(9, 9, 14, 4, M), arrow_head(c, 14, 4, 1, 0, M),
                         small_text(c, 3, 10, 'R', M))
    f[9, 4] = lambda c: (c.circle(9, 9, 6, M), c.line(3, 15, 15, 3, M))
    # Row 5: pictures.
    f[0, 5] = lambda c: settings(c, I)
    f[1, 5] = lambda c: batch(c, I)
    f[2, 5] = lambda c: picture(c, I, 'BMP')
    f[3, 5] = lambda c: picture(c, I, 'EPS')
    f[4, 5] = lambda c: picture(c, I, 'GIF')
    f[5, 5] = lambda c: picture(c, I, 'JPG')
    f[6, 5] = lambda c: picture(c, I, 'TIF')
    # Row 6: the navigator, page and parts panes draw their own contents; the face is a sheet.
    f[2, 6] = lambda c: (c.fill(4, 2, 14, 16, WHITE), c.frame(4, 2, 14, 16, V))
    # Row 8: the work tools.
    f[0, 8] = lambda c: (c.fill(2, 9, 14, 16, (255, 255, 160)), c.frame(2, 9, 14, 16, W),
                         c.fill(4, 5, 16, 12, (160, 208, 255)), c.frame(4, 5, 16, 12, W), c.frame(6, 2, 15, 8, W))
    f[1, 8] = lambda c: (c.line(3, 14, 9, 9, GREY), handles(c, [(9, 9)], W), c.line(9, 9, 15, 3, W),
                         arrow_head(c, 15, 3, 1, 0, W))
    f[2, 8] = lambda c: (ellipse(c, 9, 9, 6, 6, W, 20, 300), arrow_head(c, 14, 6, 1, 0, W), handles(c, [(9, 9)], W))
    f[3, 8] = lambda c: (c.frame(1, 1, 17, 17, GREY), c.frame(3, 3, 10, 10, W), c.circle(11, 11, 3, W))
    f[4, 8] = lambda c: (c.fill(2, 2, 11, 11, WHITE), c.frame(2, 2, 11, 11, W), c.fill(7, 7, 16, 16, (160, 208, 255)),
                         c.frame(7, 7, 16, 16, W))
    f[5, 8] = lambda c: (c.frame(6, 6, 12, 12, W), c.line(2, 2, 6, 6, W), c.line(12, 12, 16, 16, W),
                         handles(c, [(2, 2), (16, 16)], W))
    # Row 9: paper, grid and the view.
    f[0, 9] = lambda c: (c.fill(3, 1, 15, 17, WHITE), polygon(c, [(3, 1), (11, 1), (15, 5), (15, 17), (3, 17)], V),
                         c.line(11, 1, 11, 5, V), c.line(11, 5, 15, 5, V))
    f[1, 9] = lambda c: [c.dot(x, y, V) for x in range(2, 17, 3) for y in range(2, 17, 3)]
    f[2, 9] = lambda c: (c.circle(7, 7, 4, V), c.line(10, 10, 15, 15, V, 2))
    f[3, 9] = lambda c: (c.line(9, 2, 9, 16, V), c.line(2, 9, 16, 9, V), arrow_head(c, 9, 2, 0, -1, V),
                         arrow_head(c, 9, 16, 0, 1, V), arrow_head(c, 2, 9, -1, 0, V), arrow_head(c, 16, 9, 1, 0, V))
    return f


def button_faces():
    """103: the 180 x 180 grid of faces, each cell's picture on the button face colour."""
    size = FACE_CELL * FACE_GRID
    sheet = Canvas(size, size, FACE)
    for (col, row), draw in face_pictures().items():
        cell = Canvas(FACE_CELL, FACE_CELL, FACE)
        draw(cell)
        for y in range(FACE_CELL):
            for x in range(FACE_CELL):
                sheet.pixels[row * FACE_CELL + y][col * FACE_CELL + x] = cell.pixels[y][x]
    return sheet.pixels


def pressed_faces(faces):
    """104: the pictures of 103 on the lighter ground of a tool that is down."""
    return [[PRESSED_FACE if p == FACE else p for p in row] for row in faces]


def disabled_faces(faces):
    """105: every picture of 103 embossed in grey: its dark strokes grey, with a white shade below
    right. Light parts (white paper, the face) go with the ground, so that a white box with dark
    letters keeps its letters rather than turning into a grey block."""
    def dark(p):
        return p[0] * 30 + p[1] * 59 + p[2] * 11 < 160 * 100
    size = len(faces)
    out = Canvas(size, size, FACE)
    for y in range(size):
        for x in range(size):
            if dark(faces[y][x]):
                inside = x % FACE_CELL < FACE_CELL - 1 and y % FACE_CELL < FACE_CELL - 1
                if inside and not dark(faces[y + 1][x + 1]):
                    out.dot(x + 1, y + 1, WHITE)
    for y in range(size):
        for x in range(size):
            if dark(faces[y][x]):
                out.dot(x, y, GREY)
    return out.pixels


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, art in (('drop-down-rest', DROP_DOWN_REST), ('drop-down-pressed', DROP_DOWN_PRESSED)):
        with open(os.path.join(OUT, name + '.bmp'), 'wb') as f:
            f.write(bmp(art))
    with open(os.path.join(OUT, 'splash.bmp'), 'wb') as f:
        f.write(bmp_pixels(splash()))
    faces = button_faces()
    for name, pixels in (('button-faces', faces), ('button-faces-pressed', pressed_faces(faces)),
                         ('button-faces-disabled', disabled_faces(faces))):
        with open(os.path.join(OUT, name + '.bmp'), 'wb') as f:
            f.write(bmp_pixels(pixels))


if __name__ == '__main__':
    main()
