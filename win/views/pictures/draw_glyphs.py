#!/usr/bin/env python3
"""Draws the glyphs of the add-in's buttons, in this order: Ban (a no-entry sign), Allow (a
tick), and the address-book rescan (a contact card under a magnifying glass).

Usage: draw_glyphs.py SIZE BMP
Writes the glyphs side by side, SIZE pixels square each, as a 24-bit Windows bitmap. What no
glyph covers is magenta (255, 0, 255), the colour the buttons take as transparent.
"""
import sys

from bitmap import write_bmp
from shapes import box, circle, cut, polygon, render, segment

TRANSPARENT = (255, 0, 255)
WHITE = (255, 255, 255)


def ban():
    return [
        (circle(0.5, 0.5, 0.46), (215, 45, 40), (140, 20, 20)),
        (box(0.2, 0.41, 0.8, 0.59, 0.03), WHITE, WHITE),
    ]


def allow():
    tick = polygon([(0.22, 0.50), (0.33, 0.39), (0.45, 0.52), (0.68, 0.26), (0.79, 0.37), (0.45, 0.74)])
    return [
        (circle(0.5, 0.5, 0.46), (60, 165, 70), (25, 100, 35)),
        (tick, WHITE, WHITE),
    ]


def rescan():
    ring = cut(circle(0.62, 0.58, 0.22), circle(0.62, 0.58, 0.14))
    return [
        (box(0.04, 0.14, 0.80, 0.74, 0.08), (210, 230, 250), (60, 100, 160)),
        (circle(0.24, 0.36, 0.09), (90, 150, 220), (30, 70, 140)),
        (box(0.11, 0.48, 0.37, 0.64, 0.08), (90, 150, 220), (30, 70, 140)),
        (circle(0.62, 0.58, 0.15), (235, 245, 255), (235, 245, 255)),
        (ring, (90, 90, 100), (50, 50, 60)),
        (segment(0.78, 0.74, 0.94, 0.92, 0.06), (120, 80, 40), (80, 50, 20)),
    ]


GLYPHS = [ban, allow, rescan]


def main():
    if len(sys.argv) != 3:
        sys.exit('usage: draw_glyphs.py SIZE BMP')
    size = int(sys.argv[1])
    pictures = [render(glyph(), size, outline_px=1.0 if size <= 16 else 1.6) for glyph in GLYPHS]

    def pixel(x, y):
        colour, covered = pictures[x // size](x % size, y)
        return colour if covered >= 0.5 else TRANSPARENT
    write_bmp(sys.argv[2], size * len(GLYPHS), size, pixel)


if __name__ == '__main__':
    main()
