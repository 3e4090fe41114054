#!/usr/bin/env python3
"""Draws the program's small 16 x 16 icons and writes them as 16-colour .ico files.

    scripts/make-icons.py

The pictures are kept here as ASCII art, so that an icon is changed by editing this script and
running it again; the .ico files it writes into resources/icons/ are committed beside it (the
build does not run it). Each file holds one 16 x 16 picture of 4 bits per pixel with its
transparency mask, the form the file chooser's image list (ILC_COLOR4 | ILC_MASK) takes.

The frame's icon (108) and the drawing windows' icon (109) hold the picture twice: at 16 x 16 for
captions and the window list, and doubled to 32 x 32 for the task switcher.

Art characters: '.' transparent, 'K' black, 'D' dark grey, 'S' light grey, 'W' white,
'Y' yellow, 'O' olive (dark yellow), 'N' navy, 'B' blue, 'R' red.
"""
import os
import struct

SIZE = 16
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', 'resources', 'icons')

# The standard 16-colour palette, in its usual order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
COLOURS = {'K': 0, 'O': 3, 'N': 4, 'S': 7, 'D': 8, 'R': 9, 'Y': 11, 'B': 12, 'W': 15}

FOLDER_CLOSED = """
................
................
..KKKKK.........
.KWWWWWK........
KWYYYYYWKKKKKK..
KWWWWWWWWWWWWOK.
KWYYYYYYYYYYYOK.
KWYYYYYYYYYYYOK.
KWYYYYYYYYYYYOK.
KWYYYYYYYYYYYOK.
KWYYYYYYYYYYYOK.
KWYYYYYYYYYYYOK.
KOOOOOOOOOOOOOK.
.KKKKKKKKKKKKKK.
................
................
"""

FOLDER_OPEN = """
................
................
..KKKKK.........
.KWWWWWK........
KWYYYYYWKKKKK...
KWYYYYYYYYYYOK..
KWYKKKKKKKKKKKKK
KWKWWWWWWWWWWWOK
KWKWYYYYYYYYYOK.
KKWYYYYYYYYYYOK.
KKWYYYYYYYYYOK..
KKYYYYYYYYYYOK..
KOOOOOOOOOOOK...
.KKKKKKKKKKKK...
................
................
"""

# 108: the frame, a blue tile with the program's initial.
FRAME = """
................
.NNNNNNNNNNNNNN.
.NBBBBBBBBBBBBN.
.NBWWBBBBBWWBBN.
.NBWWBBBBWWBBBN.
.NBWWBBBWWBBBBN.
.NBWWBBWWBBBBBN.
.NBWWBWWBBBBBBN.
.NBWWWWBBBBBBBN.
.NBWWBWWBBBBBBN.
.NBWWBBWWBBBBBN.
.NBWWBBBWWBBBBN.
.NBWWBBBBWWBBBN.
.NBWWBBBBBWWBBN.
.NBBBBBBBBBBBBN.
.NNNNNNNNNNNNNN.
"""

# 109: a drawing, a sheet with a circle, a line and a box on it.
DRAWING = """
................
.KKKKKKKKKKKKK..
.KWWWWWWWWWWWKD.
.KWBBBWWWWWWWKD.
.KWBWBWWWWWRWKD.
.KWBBBWWWWRWWKD.
.KWWWWWWWRWWWKD.
.KWWWWWWRWWWWKD.
.KWWWWWRWWWWWKD.
.KWWWWRWWWWWWKD.
.KWWWRWNNNNNWKD.
.KWWWWWNWWWNWKD.
.KWWWWWNNNNNWKD.
.KWWWWWWWWWWWKD.
.KKKKKKKKKKKKKD.
..DDDDDDDDDDDDD.
"""


def rows(art):
    lines = [line for line in art.strip('\n').split('\n')]
    assert len(lines) == SIZE and all(len(line) == SIZE for line in lines), 'pictures are 16 x 16'
    return lines


def image(lines):
    """One icon image: header, palette, 4-bit colour rows and the mask, for square art."""
    size = len(lines)
    colour_rows = []
    mask_rows = []
    mask_stride = (size + 31) // 32 * 4   # mask rows are padded to 4 bytes
    for line in reversed(lines):   # bottom-up, as in every DIB
        nibbles = [COLOURS.get(c, 0) for c in line]
        colour_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2)))
        bits = 0
        for c in line:
            bits = (bits << 1) | (1 if c == '.' else 0)
        mask_rows.append(bits.to_bytes(size // 8, 'big') + b'\0' * (mask_stride - size // 8))
    pixels = b''.join(colour_rows)
    mask = b''.join(mask_rows)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    # The header's height counts the colour and the mask pictures together.
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, len(pixels) + len(mask), 0, 0, 16, 0)
    return header + palette + pixels + mask


def doubled(lines):
    return [''.join(c + c for c in line) for line in lines for _ in (0, 1)]


def ico(art, with_large=False):
    """The .ico file of one picture: 16 x 16, and with_large also doubled to 32 x 32."""
    lines = rows(art)
    pictures = [lines] + ([doubled(lines)] if with_large else [])
    images = [image(p) for p in pictures]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    for picture, data in zip(pictures, images):
        size = len(picture)
        entries += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + entries + b''.join(images)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, art, large in (('folder-closed', FOLDER_CLOSED, False), ('folder-open', FOLDER_OPEN, False),
                             ('frame', FRAME, True), ('drawing', DRAWING, True)):
        with open(os.path.join(OUT, name + '.ico'), 'wb') as f:
            f.write(ico(art, large))


if __name__ == '__main__':
    main()
