#!/usr/bin/env python3
"""Draws dist/pic/Logo.bmp: a small plate-pack motif and the word "kalvoria";
with --icons DIR the program's icon from the same motif: DIR/kalvoria.svg
and DIR/<n>x<n>/kalvoria.png for the icon theme's sizes.

Standard library only; writes an uncompressed 24-bit bottom-up BMP and
RGBA PNGs.
Usage: make_logo.py [output path]
       make_logo.py --icons packaging/icons
"""
import os
import struct
import sys
import zlib

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


def plate_pack_rects(x0, y0, h):
    """A side view of a plate pack between frame plates, with a warm and a
    cold stream line through it, as (x0, y0, x1, y1, colour) rectangles."""
    r = [(x0, y0, x0 + 4, y0 + h, BLUE)]                  # fixed frame plate
    for i in range(9):                                    # corrugated plates
        x = x0 + 7 + i * 3
        r.append((x, y0 + 3, x + 1, y0 + h - 3, STEEL))
    r.append((x0 + 35, y0, x0 + 39, y0 + h, BLUE))         # pressure plate
    r.append((x0 - 2, y0 + h, x0 + 41, y0 + h + 2, BLUE))  # foot rail
    r.append((x0 - 2, y0 + 6, x0 + 41, y0 + 8, RED))       # warm stream
    r.append((x0 - 2, y0 + h - 8, x0 + 41, y0 + h - 6, BLUE))  # cold stream
    return r


def plate_pack(img, x0, y0, h):
    for x_0, y_0, x_1, y_1, col in plate_pack_rects(x0, y0, h):
        rect(img, x_0, y_0, x_1, y_1, col)


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


# The icon: the motif centred on a 48-unit tile with rounded corners.
ICON = 48
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
TILE = (236, 241, 247)
TILE_RADIUS = 7


def icon_rects():
    return plate_pack_rects(5, 8, 30)


def icon_svg():
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
           'viewBox="0 0 %d %d">' % (ICON, ICON, ICON, ICON),
           '  <rect x="0" y="0" width="%d" height="%d" rx="%d" fill="#%02x%02x%02x"/>'
           % ((ICON, ICON, TILE_RADIUS) + TILE)]
    for x0, y0, x1, y1, col in icon_rects():
        out.append('  <rect x="%d" y="%d" width="%d" height="%d" fill="#%02x%02x%02x"/>'
                   % ((x0, y0, x1 - x0, y1 - y0) + col))
    out.append("</svg>")
    return "\n".join(out) + "\n"


def in_tile(x, y):
    """Whether a point of the 48-unit tile lies inside its rounded corners."""
    r = TILE_RADIUS
    cx = min(max(x, r), ICON - r)
    cy = min(max(y, r), ICON - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def icon_png(n):
    """The icon at n x n pixels, each pixel the mean of 4 x 4 samples."""
    sub = 4
    rects = icon_rects()
    rows = []
    for py in range(n):
        row = bytearray()
        for px in range(n):
            acc = [0, 0, 0, 0]
            for sy in range(sub):
                for sx in range(sub):
                    x = (px + (sx + 0.5) / sub) * ICON / n
                    y = (py + (sy + 0.5) / sub) * ICON / n
                    if not in_tile(x, y):
                        continue
                    col = TILE
                    for x0, y0, x1, y1, c in rects:
                        if x0 <= x < x1 and y0 <= y < y1:
                            col = c
                    acc[0] += col[0]
                    acc[1] += col[1]
                    acc[2] += col[2]
                    acc[3] += 1
            k = acc[3]
            if k == 0:
                row += bytes((0, 0, 0, 0))
            else:
                row += bytes((acc[0] // k, acc[1] // k, acc[2] // k, 255 * k // (sub * sub)))
        rows.append(bytes(row))
    raw = b"".join(b"\0" + r for r in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def write_icons(folder):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "kalvoria.svg"), "w") as f:
        f.write(icon_svg())
    for n in ICON_SIZES:
        d = os.path.join(folder, "%dx%d" % (n, n))
        os.makedirs(d, exist_ok=True)
        with open(os.path.join(d, "kalvoria.png"), "wb") as f:
            f.write(icon_png(n))


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--icons":
        write_icons(sys.argv[2])
        return
    out = sys.argv[1] if len(sys.argv) > 1 else "dist/pic/Logo.bmp"
    img = blank()
    plate_pack(img, 4, 9, 30)
    end = text(img, "kalvoria", 49, 11, 3, BLUE)
    rect(img, 49, 38, end - 3, 40, RED)                    # underline
    write_bmp(img, out)


if __name__ == "__main__":
    main()
