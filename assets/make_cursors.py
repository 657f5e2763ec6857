#!/usr/bin/env python3
"""Draws the demo programs' animated cursors and writes them as .ANI files.

    python3 assets/make_cursors.py assets/cursors

GLOBE.ANI: a globe turning; APPSTART.ANI: an arrow with a spinning wheel;
HOURGLAS.ANI: an hourglass whose sand runs down. Eight 32 x 32 frames each,
32-bit colour with an AND mask, so every Windows from XP on shows them.
"""
import math
import struct
import sys
from pathlib import Path

SIZE = 32
FRAMES = 8


def cursor_file(pixels, hotspot):
    """One .CUR file from SIZE x SIZE pixels (rows top-down, (r, g, b, a) or None)."""
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):  # DIBs run bottom-up
        bits = 0
        for x, px in enumerate(row):
            if px is None:
                xor += bytes((0, 0, 0, 0))
                bits |= 1 << (31 - x)
            else:
                r, g, b = px
                xor += bytes((b, g, r, 255))
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


def chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def ani_file(frames, jiffies, hotspot):
    anih = struct.pack("<9I", 36, len(frames), len(frames), SIZE, SIZE, 32, 1, jiffies, 1)
    icons = b"".join(chunk(b"icon", cursor_file(f, hotspot)) for f in frames)
    body = b"ACON" + chunk(b"anih", anih) + chunk(b"LIST", b"fram" + icons)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def blank():
    return [[None] * SIZE for _ in range(SIZE)]


def globe(step):
    img = blank()
    cx = cy = 15.5
    radius = 14.5
    turn = step / FRAMES * math.pi
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = (x - cx) / radius, (y - cy) / radius
            d = dx * dx + dy * dy
            if d > 1:
                continue
            if d > 0.86:
                img[y][x] = (0, 0, 0)
                continue
            z = math.sqrt(1 - d)
            longitude = math.atan2(dx, z) + turn
            latitude = math.asin(max(-1.0, min(1.0, dy)))
            land = math.sin(longitude * 2) * math.cos(latitude * 3) + 0.3 * math.sin(longitude * 5) > 0.35
            grid = abs(math.sin(longitude * 3)) < 0.12 or abs(math.sin(latitude * 3)) < 0.1
            shade = 0.55 + 0.45 * z
            if grid:
                colour = (230, 230, 230)
            elif land:
                colour = (40, 150, 60)
            else:
                colour = (30, 90, 210)
            img[y][x] = tuple(int(c * shade) for c in colour)
    return img


def arrow_with_wheel(step):
    img = blank()
    # The arrow: a filled triangle with a black outline, tip at the hot spot.
    for y in range(20):
        for x in range(y // 1 + 1):
            if x <= y * 0.6:
                edge = x == 0 or x >= int(y * 0.6) or y == 19
                img[y][x] = (0, 0, 0) if edge else (255, 255, 255)
    # The wheel: eight spokes, one of them lit, turning one spoke a frame.
    cx, cy = 22.5, 22.5
    for spoke in range(8):
        angle = spoke / 8 * 2 * math.pi
        lit = spoke == step % 8
        for t in (3.0, 4.0, 5.0, 6.0, 7.0):
            x = int(round(cx + t * math.cos(angle)))
            y = int(round(cy + t * math.sin(angle)))
            if 0 <= x < SIZE and 0 <= y < SIZE:
                img[y][x] = (0, 200, 255) if lit else (90, 90, 90)
    return img


def hourglass(step):
    img = blank()
    top, bottom, left, right = 3, 28, 7, 24
    sand = step / (FRAMES - 1)
    for y in range(top, bottom + 1):
        if y in (top, bottom):
            for x in range(left - 2, right + 3):
                img[y][x] = (120, 60, 20)
            continue
        middle = (top + bottom) / 2
        half = 1 + (right - left) / 2 * abs(y - middle) / (middle - top)
        cx = (left + right) / 2
        x0, x1 = int(round(cx - half)), int(round(cx + half))
        for x in range(x0, x1 + 1):
            upper = y < middle
            # The upper sand sinks as the lower heap grows.
            filled = (upper and y > top + (middle - top) * sand) or (not upper and y > bottom - (bottom - middle) * sand)
            if x in (x0, x1):
                img[y][x] = (0, 0, 0)
            else:
                img[y][x] = (230, 190, 90) if filled else (235, 245, 255)
    return img


def main(folder):
    out = Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    (out / "GLOBE.ANI").write_bytes(ani_file([globe(i) for i in range(FRAMES)], 8, (15, 15)))
    (out / "APPSTART.ANI").write_bytes(ani_file([arrow_with_wheel(i) for i in range(FRAMES)], 6, (0, 0)))
    (out / "HOURGLAS.ANI").write_bytes(ani_file([hourglass(i) for i in range(FRAMES)], 10, (15, 15)))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent / "cursors")
