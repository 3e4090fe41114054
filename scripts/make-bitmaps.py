#!/usr/bin/env python3
"""Draws the program's small bitmaps and writes them as 24-bit .bmp files.

    scripts/make-bitmaps.py

The pictures are kept here as ASCII art, so that a bitmap is changed by editing this script and
running it again; the .bmp files it writes into resources/bitmaps/ are committed beside it (the
build does not run it).

Art characters: 'K' black, 'D' dark grey, 'S' light grey (the button face), 'W' white.
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


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, art in (('drop-down-rest', DROP_DOWN_REST), ('drop-down-pressed', DROP_DOWN_PRESSED)):
        with open(os.path.join(OUT, name + '.bmp'), 'wb') as f:
            f.write(bmp(art))


if __name__ == '__main__':
    main()
