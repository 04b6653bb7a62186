#!/usr/bin/env python3
"""Draws Tabula's program icon: three index cards in a cascade, the front one with a red
index rule and three blue lines of text. Writes the scalable SVG and the PNG sizes of the
hicolor theme beside this script; the program and the installed theme both use these files.

Every size is drawn on whole pixels (no half-covered edges), so the small sizes stay sharp.
Run it again after changing the drawing:  python3 resources/icons/draw_icons.py
"""
import os
import struct
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
OUTLINE = (30, 30, 30, 255)
PAPER = (255, 255, 255, 255)
RULE = (200, 40, 40, 255)
TEXT = (60, 60, 160, 255)


def half_up(value):
    return int(value + 0.5)


def shapes(size):
    """The icon as filled rectangles (x, y, width, height, colour), back to front."""
    u = size / 32.0  # the drawing is laid out on a 32-pixel grid
    t = max(1, half_up(u))  # thickness of the rule and the text lines
    b = max(1, half_up(0.6 * u))  # the outline stays thin on the large sizes
    step = half_up(5 * u)  # how far each card lies behind the next
    w, h = half_up(20 * u), half_up(16 * u)
    x0 = (size - (w + 2 * step)) // 2
    y0 = (size - (h + 2 * step)) // 2
    rule = half_up(4 * u)
    spacing = max(2 * t, half_up(3 * u))
    out = []
    for k in (2, 1, 0):  # the card at the back first
        x, y = x0 + k * step, y0 + (2 - k) * step
        out.append((x, y, w, h, OUTLINE))
        out.append((x + b, y + b, w - 2 * b, h - 2 * b, PAPER))
        out.append((x + b, y + rule, w - 2 * b, t, RULE))
        if k == 0:
            line, margin = rule + spacing, half_up(3 * u)
            while line + 2 * t <= h - b:
                out.append((x + margin, y + line, w - 2 * margin, t, TEXT))
                line += spacing
    return out


def png(size):
    pixels = [bytearray(4 * size) for _ in range(size)]
    for x, y, w, h, colour in shapes(size):
        for row in range(y, y + h):
            for col in range(x, x + w):
                pixels[row][4 * col:4 * col + 4] = bytes(colour)
    raw = b"".join(b"\0" + bytes(row) for row in pixels)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg():
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" '
             'viewBox="0 0 32 32">',
             '  <title>Tabula</title>']
    for x, y, w, h, (r, g, b, _) in shapes(32):
        lines.append(f'  <rect x="{x}" y="{y}" width="{w}" height="{h}" '
                     f'fill="#{r:02x}{g:02x}{b:02x}"/>')
    lines.append('</svg>')
    return "\n".join(lines) + "\n"


def main():
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "hicolor")
    for size in SIZES:
        folder = os.path.join(here, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "tabula.png"), "wb") as f:
            f.write(png(size))
    folder = os.path.join(here, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "tabula.svg"), "w", encoding="utf-8") as f:
        f.write(svg())


if __name__ == "__main__":
    main()
