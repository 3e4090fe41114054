#!/usr/bin/env python3
"""Draws the program's small 16 x 16 icons and writes them as 16-colour .ico files.

    scripts/make-icons.py

The pictures are kept here as ASCII art, so that an icon is changed by editing this script and
running it again; the .ico files it writes into resources/icons/ are committed beside it (the
build does not run it). Each file holds one 16 x 16 picture of 4 bits per pixel with its
transparency mask, the form the file chooser's image list (ILC_COLOR4 | ILC_MASK) takes.

Art characters: '.' transparent, 'K' black, 'D' dark grey, 'S' light grey, 'W' white,
'Y' yellow, 'O' olive (dark yellow).
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
COLOURS = {'K': 0, 'O': 3, 'S': 7, 'D': 8, 'Y': 11, 'W': 15}

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


def rows(art):
    lines = [line for line in art.strip('\n').split('\n')]
    assert len(lines) == SIZE and all(len(line) == SIZE for line in lines), 'pictures are 16 x 16'
    return lines


def ico(art):
    lines = rows(art)
    colour_rows = []
    mask_rows = []
    for line in reversed(lines):   # bottom-up, as in every DIB
        nibbles = [COLOURS.get(c, 0) for c in line]
        colour_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2)))
        bits = 0
        for c in line:
            bits = (bits << 1) | (1 if c == '.' else 0)
        mask_rows.append(struct.pack('>H', bits) + b'\0\0')   # rows padded to 4 bytes
    pixels = b''.join(colour_rows)
    mask = b''.join(mask_rows)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    # The header's height counts the colour and the mask pictures together.
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0, len(pixels) + len(mask), 0, 0, 16, 0)
    image = header + palette + pixels + mask
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, art in (('folder-closed', FOLDER_CLOSED), ('folder-open', FOLDER_OPEN)):
        with open(os.path.join(OUT, name + '.ico'), 'wb') as f:
            f.write(ico(art))


if __name__ == '__main__':
    main()
