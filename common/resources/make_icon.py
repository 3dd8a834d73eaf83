#!/usr/bin/env python3
"""Draws the Lumivo icon: a printer under a network signal.

The 16 x 16 image is drawn pixel by pixel in 256 colours. The larger images (20, 24, 32 and 48
pixels, for screens at 125 % to 300 % scale) are the same picture in shapes on the 16-pixel grid,
painted with smooth edges in 32-bit colour with transparency.

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
LARGER_SIZES = (20, 24, 32, 48)

# The picture as shapes on the 16-pixel grid, painted in this order: (kind, box, colour) with box
# left, top, right, bottom. A "ring" is the part of a ring, centre (x, y) and radii from inner to
# outer, that lies above its centre within 40 degrees of the vertical: the network signal.
SHAPES = [
    ("rect", (2, 2, 8, 7), "D"),  # the sheet waiting at the back
    ("rect", (3, 3, 7, 7), "W"),
    ("rect", (4, 3, 6, 4), "k"),
    ("rect", (4, 5, 6, 6), "k"),
    ("rounded", (0, 7, 16, 14), "D"),  # the printer
    ("rect", (1, 8, 15, 10), "L"),
    ("rect", (1, 10, 15, 13), "G"),
    ("rect", (3, 11, 13, 12), "k"),
    ("rect", (12, 9, 13, 10), "g"),
    ("rect", (3, 12, 13, 16), "D"),  # the printed sheet
    ("rect", (4, 12, 12, 15), "W"),
    ("rect", (5, 13, 10, 14), "k"),
    ("ring", (11.5, 4.5, 0.0, 0.8), "B"),
    ("ring", (11.5, 4.5, 1.6, 2.6), "B"),
    ("ring", (11.5, 4.5, 3.4, 4.4), "B"),
]
SAMPLES = 4  # per pixel and direction, for the smooth edges


def palette_and_indexes():
    order = sorted(COLOURS)
    index = {name: position + 1 for position, name in enumerate(order)}  # 0 stays black
    palette = bytearray(256 * 4)
    for name, position in index.items():
        red, green, blue = COLOURS[name]
        palette[position * 4 : position * 4 + 4] = bytes((blue, green, red, 0))
    return bytes(palette), index


def covers(kind, box, x, y):
    """Whether the shape covers the point (x, y) of the 16-pixel grid."""
    if kind == "ring":
        centre_x, centre_y, inner, outer = box
        dx, dy = x - centre_x, centre_y - y
        distance = (dx * dx + dy * dy) ** 0.5
        return inner <= distance <= outer and (distance <= 0.8 or abs(dx) <= dy * 0.84)
    left, top, right, bottom = box
    if not (left <= x < right and top <= y < bottom):
        return False
    if kind == "rounded":  # corners cut by one pixel's radius
        corner_x = min(x - left, right - x)
        corner_y = min(y - top, bottom - y)
        return corner_x >= 1 or corner_y >= 1 or (1 - corner_x) ** 2 + (1 - corner_y) ** 2 <= 1
    return True


def painted_pixel(size, column, row):
    """Blue, green, red and alpha of one pixel of the shapes painted at a size."""
    totals = [0, 0, 0, 0]
    for sample_y in range(SAMPLES):
        for sample_x in range(SAMPLES):
            x = (column + (sample_x + 0.5) / SAMPLES) * SIZE / size
            y = (row + (sample_y + 0.5) / SAMPLES) * SIZE / size
            colour = None
            for kind, box, name in SHAPES:
                if covers(kind, box, x, y):
                    colour = COLOURS[name]
            if colour is not None:
                red, green, blue = colour
                totals = [totals[0] + blue, totals[1] + green, totals[2] + red, totals[3] + 1]
    count = totals[3]
    if count == 0:
        return (0, 0, 0, 0)
    return (round(totals[0] / count), round(totals[1] / count), round(totals[2] / count),
            round(255 * count / (SAMPLES * SAMPLES)))


def mask_row(transparent):
    """One row of the AND mask: a bit per pixel, 1 where the picture is transparent, padded to
    32 bits."""
    bits = bytearray((len(transparent) + 31) // 32 * 4)
    for column, clear in enumerate(transparent):
        if clear:
            bits[column // 8] |= 0x80 >> (column % 8)
    return bytes(bits)


def drawn_image():
    """The 16-pixel image in 256 colours: header, palette, colour rows and mask."""
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
    return header + palette + pixels


def painted_image(size):
    """A larger image in 32-bit colour with transparency: header, colour rows and mask."""
    colour_rows = []
    mask_rows = []
    for row in reversed(range(size)):  # device-independent bitmaps run bottom-up
        pixels = [painted_pixel(size, column, row) for column in range(size)]
        colour_rows.append(b"".join(bytes(pixel) for pixel in pixels))
        mask_rows.append(mask_row([pixel[3] == 0 for pixel in pixels]))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(colour_rows) + b"".join(mask_rows)


def icon_bytes():
    images = [(SIZE, 8, drawn_image())] + [(size, 32, painted_image(size)) for size in LARGER_SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, bits, image in images:
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, bits, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(image for _, _, image in images)


if __name__ == "__main__":
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lumivo.ico")
    with open(target, "wb") as icon:
        icon.write(icon_bytes())
