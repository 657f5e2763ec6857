#!/usr/bin/env python3
"""Writes the controls' toolbox bitmaps: 16 x 15 pixels, 16 colours.

Run it again after changing a picture; the .bmp files are kept beside it.
"""
import struct
from pathlib import Path

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# One character a pixel, top row first: the palette index in hexadecimal.
# RegionContainer: a blue ellipse with a rounded notch cut out of it.
CONTAINER = """\
7777777777777777
7777700000077777
7770CCCCCCCC0777
770CCCCCCCCCC077
70CCCCC777CCCC07
70CCCC77777CCC07
0CCCCC77777CCCC0
0CCCCCC777CCCCC0
0CCCCCCCCCCCCCC0
70CCCCCCCCCCCC07
70CCCCCCCCCCCC07
770CCCCCCCCCC077
7770CCCCCCCC0777
7777700000077777
7777777777777777"""

# RegionTransparent: a raised grey panel with a see-through (chequered) hole.
TRANSPARENT = """\
7777777777777777
7FFFFFFFFFFFFF07
7F88888888888807
7F88887F7F888807
7F887F7F7F7F8807
7F8F7F7F7F7F7807
7F87F7F7F7F7F807
7F8F7F7F7F7F7807
7F87F7F7F7F7F807
7F88F7F7F7F78807
7F8888F7F7888807
7F88888888888807
7F88888888888807
7000000000000007
7777777777777777"""


def bitmap(picture: str) -> bytes:
    rows = picture.splitlines()
    height, width = len(rows), len(rows[0])
    assert (width, height) == (16, 15) and all(len(row) == width for row in rows)
    stride = (width * 4 + 31) // 32 * 4
    pixels = b""
    for row in reversed(rows):  # bottom-up
        packed = bytes(int(row[x], 16) << 4 | int(row[x + 1], 16) for x in range(0, width, 2))
        pixels += packed.ljust(stride, b"\0")
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 0, 0, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


if __name__ == "__main__":
    here = Path(__file__).resolve().parent
    (here / "region_container.bmp").write_bytes(bitmap(CONTAINER))
    (here / "region_transparent.bmp").write_bytes(bitmap(TRANSPARENT))
