#!/usr/bin/env python3
"""Draws the program's own 32 x 32 monochrome cursors and writes them as .cur files.

    scripts/make-cursors.py [--preview]

The pictures are kept here as ASCII art and simple figures, so that a cursor is changed by
editing this script and running it again; the .cur files it writes into resources/cursors/ are
committed beside it (the build does not run it).

Art characters: '.' transparent, 'X' black, 'o' white, '~' inverted screen.
"""
import math
import os
import struct
import sys

SIZE = 32
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', 'resources', 'cursors')

ARROW = """
X...........
XX..........
XoX.........
XooX........
XoooX.......
XooooX......
XoooooX.....
XooooooX....
XoooooooX...
XooooooooX..
XoooooooooX.
XooooooXXXXX
XoooXooX....
XooX.XooX...
XoX..XooX...
XX....XooX..
X.....XooX..
.......XooX.
.......XXX..
"""

OPEN_HAND = """
......XX........
...XXXooXXX.....
..XooXooXooX....
..XooXooXooXXX..
..XooXooXooXooX.
..XooXooXooXooX.
XXXooXooXooXooX.
XooooXooXooXooX.
XoooooooooooooX.
XoooooooooooooX.
.XooooooooooooX.
..XoooooooooooX.
...XoooooooooX..
....XooooooooX..
....XooooooooX..
....XXXXXXXXXX..
"""

FIST = """
....XX.XX.XX....
...XooXooXooXX..
...XooXooXooXoX.
.XXXooooooooooX.
XoooooooooooooX.
XoooooooooooooX.
.XooooooooooooX.
..XoooooooooooX.
...XoooooooooX..
....XooooooooX..
....XooooooooX..
....XXXXXXXXXX..
"""

GLYPHS = {
    'A': ".XXX. X...X X...X XXXXX X...X X...X X...X",
    'C': ".XXX. X...X X.... X.... X.... X...X .XXX.",
    'P': "XXXX. X...X X...X XXXX. X.... X.... X....",
    'L': "X.... X.... X.... X.... X.... X.... XXXXX",
    '/': "....X ....X ...X. ..X.. .X... X.... X....",
    'I': ".XXX. ..X.. ..X.. ..X.. ..X.. ..X.. .XXX.",
    '+': "..... ..X.. ..X.. XXXXX ..X.. ..X.. .....",
    '-': "..... ..... ..... XXXXX ..... ..... .....",
}


class Canvas:
    def __init__(self):
        self.px = [['.'] * SIZE for _ in range(SIZE)]

    def put(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x] if 0 <= x < SIZE and 0 <= y < SIZE else '.'

    def art(self, text, ox=0, oy=0):
        rows = [r for r in text.strip('\n').split('\n')]
        for y, row in enumerate(rows):
            for x, c in enumerate(row):
                if c != '.':
                    self.put(ox + x, oy + y, c)

    def glyph(self, name, ox, oy):
        for y, row in enumerate(GLYPHS[name].split()):
            for x, c in enumerate(row):
                if c == 'X':
                    self.put(ox + x, oy + y, 'X')

    def badge(self, name, ox=14, oy=19):
        """A white box with a black border and a letter in it, below and right of the arrow."""
        for y in range(11):
            for x in range(9):
                edge = x in (0, 8) or y in (0, 10)
                self.put(ox + x, oy + y, 'X' if edge else 'o')
        self.glyph(name, ox + 2, oy + 2)

    def halo(self, marks):
        """Black pixels `marks`, each with a white ring so that they show on dark ground too."""
        for (x, y) in marks:
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    if self.get(x + dx, y + dy) == '.':
                        self.put(x + dx, y + dy, 'o')
        for (x, y) in marks:
            self.put(x, y, 'X')

    def rows(self):
        return [''.join(r) for r in self.px]


def circle_points(cx, cy, r, start=0.0, end=360.0):
    """Pixels of a one-pixel circle of radius r about (cx, cy) (midpoint rule), kept where their
    angle lies from start to end degrees (counter-clockwise, y down on the screen)."""
    octant = []
    x, y, d = r, 0, 1 - r
    while y <= x:
        octant.append((x, y))
        y += 1
        if d < 0:
            d += 2 * y + 1
        else:
            x -= 1
            d += 2 * (y - x) + 1
    points = set()
    for (a, b) in octant:
        for (dx, dy) in ((a, b), (b, a), (-a, b), (-b, a), (a, -b), (b, -a), (-a, -b), (-b, -a)):
            angle = math.degrees(math.atan2(dy, dx)) % 360.0
            if start <= angle <= end or (end >= 360.0 and angle == 0.0):
                points.add((cx + dx, cy - dy))
    return points


def crosshair(c, cx=10, cy=10, arm=9):
    marks = set()
    for d in range(-arm, arm + 1):
        marks.add((cx + d, cy))
        marks.add((cx, cy + d))
    return marks


def magnifier(c, inner=None):
    cx, cy = 9.5, 9.5
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x + 0.5 - (cx + 0.5), y + 0.5 - (cy + 0.5))
            if d <= 6.0:
                c.put(x, y, 'o')
            elif d <= 8.2:
                c.put(x, y, 'X')
    # The handle: a bar three pixels thick down to the lower right, outlined in white.
    handle = set()
    for t in range(15, 25):
        for w in (-1, 0, 1):
            handle.add((t + w, t))
    c.halo(handle)
    if inner:
        c.glyph(inner, 8, 7)


def cursor_arrow_badge(name):
    c = Canvas()
    c.art(ARROW)
    c.badge(name)
    return c, (0, 0)


def make_all():
    cursors = {}

    c = Canvas()
    magnifier(c)
    cursors['magnifier'] = (1103, c, (10, 10))

    cursors['arrow-copy'] = (1106,) + cursor_arrow_badge('C')
    cursors['remove'] = (1107,) + cursor_arrow_badge('-')

    c = Canvas()
    c.art(OPEN_HAND, 8, 8)
    cursors['hand'] = (1109, c, (15, 15))

    c = Canvas()
    c.art(FIST, 8, 10)
    cursors['grab'] = (1110, c, (15, 15))

    cursors['add'] = (1111,) + cursor_arrow_badge('+')
    cursors['arrow-whole'] = (1112,) + cursor_arrow_badge('A')
    cursors['arrow-part'] = (1113,) + cursor_arrow_badge('P')
    cursors['arrow-line'] = (1114,) + cursor_arrow_badge('L')
    cursors['arrow-slash'] = (1115,) + cursor_arrow_badge('/')
    cursors['arrow-text'] = (1116,) + cursor_arrow_badge('I')

    c = Canvas()
    magnifier(c, '+')
    cursors['zoom-in'] = (1117, c, (10, 10))

    c = Canvas()
    magnifier(c, '-')
    cursors['zoom-out'] = (1118, c, (10, 10))

    for name, ident, start, end, radii in (
            ('cross-circle', 1119, 0, 360, False),
            ('cross-half-arc', 1120, 0, 180, True),
            ('cross-quarter-arc', 1121, 0, 90, True)):
        c = Canvas()
        marks = crosshair(c)
        cx, cy, r = 23, 23, 6
        marks |= circle_points(cx, cy, r, start, end)
        if radii:
            # The chord of the half arc; the two radii of the quarter arc.
            left = cx - r if end == 180 else cx
            for x in range(left, cx + r + 1):
                marks.add((x, cy))
            if end == 90:
                for y in range(cy - r, cy + 1):
                    marks.add((cx, y))
        c.halo(marks)
        cursors[name] = (ident, c, (10, 10))
    return cursors


def cur_bytes(canvas, hotspot):
    """One 32 x 32 image, 1 bit per pixel: a colour (XOR) mask and a transparency (AND) mask,
    both bottom-up, each row padded to 32 bits."""
    xor_rows, and_rows = [], []
    for row in reversed(canvas.rows()):
        xor_bits = and_bits = 0
        for x, c in enumerate(row):
            bit = 1 << (31 - x)
            if c == 'o' or c == '~':
                xor_bits |= bit
            if c == '.' or c == '~':
                and_bits |= bit
        xor_rows.append(struct.pack('>I', xor_bits))
        and_rows.append(struct.pack('>I', and_bits))
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack('<II', 0x00000000, 0x00FFFFFF)
    image = header + palette + b''.join(xor_rows) + b''.join(and_rows)
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    preview = '--preview' in sys.argv[1:]
    os.makedirs(OUT, exist_ok=True)
    for name, (ident, canvas, hotspot) in sorted(make_all().items(), key=lambda kv: kv[1][0]):
        with open(os.path.join(OUT, name + '.cur'), 'wb') as f:
            f.write(cur_bytes(canvas, hotspot))
        if preview:
            print('%d %s hot spot %s' % (ident, name, hotspot))
            for row in canvas.rows():
                print('  ' + row)


if __name__ == '__main__':
    main()
