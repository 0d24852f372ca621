#!/usr/bin/env python3
"""Draws the progress window's picture: a letter under a magnifying glass, on the window's
pale yellow.

Usage: draw_progress_picture.py BMP
Writes a 64 by 64 pixel 24-bit Windows bitmap; the window shows it at 32 pixels at 96 DPI.
"""
import sys

from bitmap import write_bmp
from shapes import box, circle, cut, polygon, render, segment

SIZE = 64
PALE_YELLOW = (255, 255, 204)
INK = (60, 90, 140)

LAYERS = [
    (box(0.04, 0.16, 0.80, 0.70, 0.04), (255, 255, 255), INK),
    (cut(polygon([(0.06, 0.18), (0.78, 0.18), (0.42, 0.48)]), polygon([(0.12, 0.20), (0.72, 0.20), (0.42, 0.43)])),
     INK, INK),
    (circle(0.64, 0.60, 0.17), (225, 240, 255), (225, 240, 255)),
    (cut(circle(0.64, 0.60, 0.23), circle(0.64, 0.60, 0.16)), (90, 90, 100), (50, 50, 60)),
    (segment(0.80, 0.77, 0.95, 0.93, 0.06), (120, 80, 40), (80, 50, 20)),
]


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: draw_progress_picture.py BMP')
    picture = render(LAYERS, SIZE, outline_px=2.0)

    def pixel(x, y):
        colour, covered = picture(x, y)
        if colour is None:
            return PALE_YELLOW
        return tuple(round(c * covered + p * (1 - covered)) for c, p in zip(colour, PALE_YELLOW))
    write_bmp(sys.argv[1], SIZE, SIZE, pixel)


if __name__ == '__main__':
    main()
