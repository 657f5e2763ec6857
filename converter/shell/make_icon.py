#!/usr/bin/env python3
"""Draws the converter's icon (a dialog turning into a source page) and writes
converter_shell.ico beside this script: 32x32 and 16x16, 32-bit colour with alpha.
Run it again after changing the drawing; the .ico is kept in the repository."""

import pathlib
import struct

TRANSPARENT = (0, 0, 0, 0)
NAVY = (40, 60, 140, 255)
TITLE_BLUE = (60, 110, 210, 255)
FACE = (236, 236, 236, 255)
CONTROL_GREY = (150, 150, 160, 255)
PAGE = (255, 250, 220, 255)
PAGE_EDGE = (150, 110, 40, 255)
CODE_GREEN = (30, 130, 60, 255)
ARROW = (230, 120, 20, 255)

# Rectangles in 1/32 of the icon's side: (left, top, right, bottom, colour), painted in order.
SHAPES = [
    (1, 3, 22, 24, NAVY),          # dialog frame
    (2, 4, 21, 8, TITLE_BLUE),     # caption
    (2, 8, 21, 23, FACE),          # client area
    (4, 11, 15, 13, CONTROL_GREY),  # a label
    (4, 16, 10, 20, CONTROL_GREY),  # a button
    (16, 13, 31, 31, PAGE_EDGE),   # source page
    (17, 14, 30, 30, PAGE),
    (19, 17, 28, 19, CODE_GREEN),  # lines of code
    (19, 21, 26, 23, CODE_GREEN),
    (19, 25, 28, 27, CODE_GREEN),
    (10, 25, 15, 28, ARROW),       # arrow shaft
    (14, 24, 16, 29, ARROW),       # arrow head
]


def draw(size):
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    for left, top, right, bottom, colour in SHAPES:
        for y in range(round(top * size / 32), max(round(bottom * size / 32), round(top * size / 32) + 1)):
            for x in range(round(left * size / 32), max(round(right * size / 32), round(left * size / 32) + 1)):
                pixels[y][x] = colour
    return pixels


def icon_image(pixels):
    """One icon image: BITMAPINFOHEADER (double height), BGRA rows bottom-up, AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row_bytes)
        for x, (_, _, _, alpha) in enumerate(row):
            if alpha == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def icon_file(sizes):
    images = [icon_image(draw(size)) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


if __name__ == "__main__":
    target = pathlib.Path(__file__).with_name("converter_shell.ico")
    target.write_bytes(icon_file([32, 16]))
