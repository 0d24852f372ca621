#!/usr/bin/env python3
"""Draws the about window's picture: a mountain tarn at dusk, 367 by 242 pixels.

The window writes the product's name over the sky and puts its button over the water, so the
sky is kept calm at the upper left and the water dark at the lower right.

Usage: draw_about.py BMP
Writes a 24-bit Windows bitmap.
"""
import math
import sys

from bitmap import write_bmp

WIDTH, HEIGHT = 367, 242
HORIZON = 150


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


SKY_TOP = (10, 32, 66)
SKY_LOW = (52, 104, 150)
GLOW = (240, 178, 96)
FAR_RIDGE = (44, 72, 108)
NEAR_RIDGE = (24, 44, 70)
WATER_TOP = (30, 66, 100)
WATER_LOW = (8, 22, 40)


def far_ridge(x):
    return 104 + 14 * math.sin(x / 41.0 + 0.6) + 9 * math.sin(x / 17.0 + 2.0) + 4 * math.sin(x / 6.0)


def near_ridge(x):
    peak = 40 * math.exp(-((x - 250) / 46.0) ** 2)
    return 132 - peak + 7 * math.sin(x / 23.0 + 1.3) + 3 * math.sin(x / 7.0 + 0.4)


def land_at(x, y):
    """The colour of the land or sky above the horizon at (x, y), or None for sky."""
    if y >= near_ridge(x):
        return NEAR_RIDGE
    if y >= far_ridge(x):
        depth = (y - far_ridge(x)) / 40.0
        return mix(FAR_RIDGE, NEAR_RIDGE, depth * 0.5)
    return None


def sky(x, y):
    base = mix(SKY_TOP, SKY_LOW, (y / HORIZON) ** 1.4)
    sun_x, sun_y = 250, HORIZON - 18
    distance = math.hypot((x - sun_x) / 1.8, y - sun_y)
    return mix(base, GLOW, math.exp(-distance / 38.0) * 0.85)


def pixel(x, y):
    if y < HORIZON:
        land = land_at(x, y)
        return land if land is not None else sky(x, y)
    # The water mirrors what stands above the horizon, darker with depth, with faint ripples.
    depth = (y - HORIZON) / (HEIGHT - HORIZON)
    mirrored_y = HORIZON - (y - HORIZON) * 1.6 - 1
    ripple = 2.5 * math.sin(y * 0.9) * depth
    mirrored_x = min(WIDTH - 1, max(0, int(x + ripple)))
    if mirrored_y >= 0:
        land = land_at(mirrored_x, mirrored_y)
        reflected = land if land is not None else sky(mirrored_x, mirrored_y)
    else:
        reflected = WATER_TOP
    water = mix(WATER_TOP, WATER_LOW, depth)
    colour = mix(reflected, water, 0.45 + 0.5 * depth)
    if (y - HORIZON) % 9 == 4 and depth < 0.7:
        colour = mix(colour, (140, 170, 200), 0.12 * (1 - depth))
    return colour


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit('usage: draw_about.py BMP')
    write_bmp(sys.argv[1], WIDTH, HEIGHT, pixel)
