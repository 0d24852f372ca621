#!/usr/bin/env python3
"""Draws the options dialog's banner emblem: the tarn of the about picture, seen through a
round window on the banner's white.

Usage: draw_banner.py BMP
Writes a 96 by 96 pixel 24-bit Windows bitmap; the dialog scales it to the banner's height.
"""
import math
import sys

import draw_about
from bitmap import write_bmp

SIZE = 96
# The part of the about picture shown: around the peak and its reflection.
LEFT, TOP, SIDE = 170, 70, 150
WHITE = (255, 255, 255)
RIM = (30, 66, 100)
SAMPLES = 3


def pixel(x, y):
    total = [0, 0, 0]
    for i in range(SAMPLES):
        for j in range(SAMPLES):
            u, v = (x + (i + 0.5) / SAMPLES) / SIZE, (y + (j + 0.5) / SAMPLES) / SIZE
            distance = math.hypot(u - 0.5, v - 0.5)
            if distance > 0.48:
                colour = WHITE
            elif distance > 0.45:
                colour = RIM
            else:
                colour = draw_about.pixel(min(draw_about.WIDTH - 1, int(LEFT + u * SIDE)),
                                          min(draw_about.HEIGHT - 1, int(TOP + v * SIDE)))
            total = [t + c for t, c in zip(total, colour)]
    return tuple(round(t / (SAMPLES * SAMPLES)) for t in total)


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit('usage: draw_banner.py BMP')
    write_bmp(sys.argv[1], SIZE, SIZE, pixel)
