#!/usr/bin/env python3
"""Writes HostingForm.frx: one picture entry ("lt\\0\\0", its length, the image),
a 6 x 4 pixel 24-bit bitmap of two colours, at offset 0."""
import pathlib
import struct

WIDTH, HEIGHT = 6, 4
rows = b""
for y in range(HEIGHT):
    row = b"".join(b"\x00\x00\xff" if x < WIDTH // 2 else b"\xff\x00\x00" for x in range(WIDTH))  # red | blue
    rows += row + b"\x00" * ((4 - len(row) % 4) % 4)
info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
image = b"BM" + struct.pack("<IHHI", 14 + len(info) + len(rows), 0, 0, 14 + len(info)) + info + rows
entry = b"lt\x00\x00" + struct.pack("<I", len(image)) + image
pathlib.Path(__file__).with_name("HostingForm.frx").write_bytes(entry)
