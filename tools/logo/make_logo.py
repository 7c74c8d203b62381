#!/usr/bin/env python3
"""Draws dist/pic/Logo.bmp: a small plate-pack motif and the word "kalvoria".

Standard library only; writes an uncompressed 24-bit bottom-up BMP.
Usage: make_logo.py [output path]
"""
import struct
import sys

W, H = 180, 50
BG = (255, 255, 255)
BLUE = (22, 72, 140)
RED = (196, 52, 40)
STEEL = (150, 160, 172)

# 5x7 glyphs of the letters we need, one string per row, '#' = ink.
GLYPHS = {
    "k": ["#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "l": ["##...", ".#...", ".#...", ".#...", ".#...", ".#...", "###.."],
    "v": [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "i": [".#...", ".....", "##...", ".#...", ".#...", ".#...", "###.."],
}
GLYPH_W = {"l": 3, "i": 3}


def blank():
    return [[BG for _ in range(W)] for _ in range(H)]


def rect(img, x0, y0, x1, y1, col):
    for y in range(max(0, y0), min(H, y1)):
        for x in range(max(0, x0), min(W, x1)):
            img[y][x] = col


def plate_pack(img, x0, y0, h):
    """A side view of a plate pack between frame plates, with a warm and a
    cold stream line through it."""
    rect(img, x0, y0, x0 + 4, y0 + h, BLUE)                # fixed frame plate
    for i in range(9):                                    # corrugated plates
        x = x0 + 7 + i * 3
        rect(img, x, y0 + 3, x + 1, y0 + h - 3, STEEL)
    rect(img, x0 + 35, y0, x0 + 39, y0 + h, BLUE)          # pressure plate
    rect(img, x0 - 2, y0 + h, x0 + 41, y0 + h + 2, BLUE)   # foot rail
    rect(img, x0 - 2, y0 + 6, x0 + 41, y0 + 8, RED)        # warm stream
    rect(img, x0 - 2, y0 + h - 8, x0 + 41, y0 + h - 6, BLUE)  # cold stream


def text(img, s, x0, y0, scale, col):
    x = x0
    for ch in s:
        g = GLYPHS[ch]
        for gy, row in enumerate(g):
            for gx, c in enumerate(row):
                if c == "#":
                    rect(img, x + gx * scale, y0 + gy * scale,
                         x + (gx + 1) * scale, y0 + (gy + 1) * scale, col)
        x += (GLYPH_W.get(ch, 5) + 1) * scale
    return x


def write_bmp(img, path):
    row_size = (W * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in range(H - 1, -1, -1):                         # bottom-up rows
        row = bytearray()
        for r, g, b in img[y]:
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        pixels += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "dist/pic/Logo.bmp"
    img = blank()
    plate_pack(img, 4, 9, 30)
    end = text(img, "kalvoria", 49, 11, 3, BLUE)
    rect(img, 49, 38, end - 3, 40, RED)                    # underline
    write_bmp(img, out)


if __name__ == "__main__":
    main()
