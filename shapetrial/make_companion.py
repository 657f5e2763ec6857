#!/usr/bin/env python3
"""Writes Form1.frx, Form1's companion data: one picture entry ("lt\\0\\0", its
length, the image) at offset 0, the picture of RegionContainer1. The picture
is a 140 x 87 pixel JPEG drawn by ImageMagick's convert: a sky with a sun
over two hills, stripped of metadata so that the bytes repeat."""
import pathlib
import struct
import subprocess

DRAWING = [
    "-size", "140x87", "gradient:#2f6fc9-#cfeeff",
    "-fill", "#ffd23f", "-draw", "circle 108,22 120,22",
    "-fill", "#3d9b5a", "-draw", "ellipse 35,92 70,34 0,360",
    "-fill", "#1f6f43", "-draw", "ellipse 112,96 56,30 0,360",
    "-fill", "#ffffff", "-draw", "ellipse 40,20 18,6 0,360",
]

image = subprocess.run(["convert", *DRAWING, "-strip", "-quality", "85", "jpeg:-"],
                       check=True, capture_output=True).stdout
assert image[:2] == b"\xff\xd8", "convert wrote no JPEG"
entry = b"lt\x00\x00" + struct.pack("<I", len(image)) + image
pathlib.Path(__file__).with_name("Form1.frx").write_bytes(entry)
