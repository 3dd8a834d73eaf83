#!/usr/bin/env python3
"""Draws the Lumivo icon: a printer under a network signal, 16 x 16 pixels in 256 colours.

Writes lumivo.ico beside this script. The Console, the Manager and the tray program all carry this
picture; run the script again after changing the drawing and commit both files.
"""
import os
import struct

# One character per pixel, top row first; '.' is transparent.
DRAWING = [
    ".........BBBBB..",
    "........B.....B.",
    "..DDDDDD..BBB...",
    "..DWkkWD.B...B..",
    "..DWWWWD...B....",
    "..DWkkWD........",
    "..DWWWWD........",
    ".DDDDDDDDDDDDDD.",
    "DLLLLLLLLLLLLLLD",
    "DLLLLLLLLLLLgLLD",
    "DGGGGGGGGGGGGGGD",
    "DGGkkkkkkkkkkGGD",
    "DGGDWWWWWWWWDGGD",
    ".DDDWkkkkkWWDDD.",
    "...DWWWWWWWWD...",
    "...DDDDDDDDDD...",
]

COLOURS = {  # red, green, blue
    "k": (0x20, 0x20, 0x28),  # ink and the paper slot
    "W": (0xFF, 0xFF, 0xFF),  # paper
    "D": (0x30, 0x3C, 0x5A),  # printer outline
    "L": (0xB4, 0xC3, 0xDC),  # printer top, lit
    "G": (0x78, 0x8C, 0xAF),  # printer body
    "g": (0x2E, 0xCC, 0x40),  # power light
    "B": (0x1E, 0x78, 0xE6),  # network signal
}

SIZE = 16


def palette_and_indexes():
    order = sorted(COLOURS)
    index = {name: position + 1 for position, name in enumerate(order)}  # 0 stays black
    palette = bytearray(256 * 4)
    for name, position in index.items():
        red, green, blue = COLOURS[name]
        palette[position * 4 : position * 4 + 4] = bytes((blue, green, red, 0))
    return bytes(palette), index


def icon_bytes():
    assert len(DRAWING) == SIZE and all(len(row) == SIZE for row in DRAWING)
    palette, index = palette_and_indexes()
    colour_rows = []
    mask_rows = []
    for row in reversed(DRAWING):  # device-independent bitmaps run bottom-up
        colour_rows.append(bytes(0 if pixel == "." else index[pixel] for pixel in row))
        mask = 0
        for pixel in row:
            mask = (mask << 1) | (1 if pixel == "." else 0)
        mask_rows.append(struct.pack(">H", mask) + b"\0\0")  # rows padded to 32 bits
    pixels = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 8, 0, 0, 0, 0, 256, 0)
    image = header + palette + pixels
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lumivo.ico")
    with open(target, "wb") as icon:
        icon.write(icon_bytes())
