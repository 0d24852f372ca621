#!/usr/bin/env python3
"""Draws the options dialog's topic icons, in topic order: senders, words, languages,
quarantine, log-books, address book, special filters, miscellaneous.

Usage: draw_topic_icons.py SIZE BMP
Writes the icons side by side, SIZE pixels square each, as a 24-bit Windows bitmap. What no
icon covers is magenta (255, 0, 255), the colour the dialog takes as transparent.
"""
import sys

from bitmap import write_bmp
from shapes import box, circle, cut, gear, polygon, render, segment

TRANSPARENT = (255, 0, 255)
INK = (60, 60, 70)
PAPER = (250, 250, 245)


def people():
    return [
        (circle(0.68, 0.30, 0.14), (120, 190, 110), (50, 110, 50)),
        (box(0.44, 0.50, 0.95, 0.92, 0.20), (120, 190, 110), (50, 110, 50)),
        (circle(0.36, 0.34, 0.16), (90, 150, 220), (30, 70, 140)),
        (box(0.06, 0.58, 0.66, 0.98, 0.22), (90, 150, 220), (30, 70, 140)),
    ]


def words():
    lines = [(segment(0.20, y, x, y, 0.035), INK, INK) for y, x in ((0.30, 0.80), (0.48, 0.72), (0.66, 0.58))]
    bubble = polygon([(0.05, 0.08), (0.95, 0.08), (0.95, 0.80), (0.45, 0.80), (0.22, 0.97), (0.26, 0.80),
                      (0.05, 0.80)])
    return [(bubble, (255, 226, 120), (170, 120, 20))] + lines


def languages():
    globe = circle(0.5, 0.5, 0.45)
    land = [
        (polygon([(0.22, 0.25), (0.48, 0.18), (0.52, 0.40), (0.36, 0.55), (0.20, 0.45)]), (90, 170, 80), (50, 120, 50)),
        (polygon([(0.55, 0.55), (0.78, 0.50), (0.82, 0.70), (0.62, 0.85)]), (90, 170, 80), (50, 120, 50)),
    ]
    return [(globe, (80, 150, 225), (30, 80, 150))] + land


def quarantine():
    folder = polygon([(0.04, 0.22), (0.38, 0.22), (0.46, 0.32), (0.96, 0.32), (0.96, 0.88), (0.04, 0.88)])
    badge = circle(0.70, 0.66, 0.25)
    return [
        (folder, (240, 200, 90), (160, 110, 20)),
        (badge, (220, 50, 40), (140, 20, 20)),
        (segment(0.60, 0.56, 0.80, 0.76, 0.05), PAPER, PAPER),
        (segment(0.80, 0.56, 0.60, 0.76, 0.05), PAPER, PAPER),
    ]


def log_books():
    return [
        (box(0.14, 0.06, 0.88, 0.94, 0.06), (170, 90, 50), (100, 50, 25)),
        (box(0.26, 0.14, 0.82, 0.86, 0.02), PAPER, (150, 140, 130)),
    ] + [(segment(0.36, y, 0.72, y, 0.03), INK, INK) for y in (0.32, 0.48, 0.64)]


def address_book():
    card = box(0.04, 0.16, 0.96, 0.84, 0.10)
    return [
        (card, (210, 230, 250), (60, 100, 160)),
        (circle(0.30, 0.42, 0.11), (90, 150, 220), (30, 70, 140)),
        (box(0.14, 0.56, 0.46, 0.76, 0.10), (90, 150, 220), (30, 70, 140)),
        (segment(0.56, 0.38, 0.84, 0.38, 0.035), INK, INK),
        (segment(0.56, 0.54, 0.84, 0.54, 0.035), INK, INK),
        (segment(0.56, 0.70, 0.76, 0.70, 0.035), INK, INK),
    ]


def special_filters():
    funnel = polygon([(0.06, 0.10), (0.94, 0.10), (0.60, 0.52), (0.60, 0.92), (0.40, 0.82), (0.40, 0.52)])
    return [(funnel, (60, 180, 190), (20, 100, 110))]


def miscellaneous():
    wheel = cut(gear(0.5, 0.5, 0.34, 8, 0.11), circle(0.5, 0.5, 0.15))
    return [(wheel, (170, 175, 185), (80, 85, 95))]


ICONS = [people, words, languages, quarantine, log_books, address_book, special_filters, miscellaneous]


def main():
    if len(sys.argv) != 3:
        sys.exit('usage: draw_topic_icons.py SIZE BMP')
    size = int(sys.argv[1])
    pictures = [render(icon(), size, outline_px=1.0 if size <= 16 else 1.6) for icon in ICONS]

    def pixel(x, y):
        colour, covered = pictures[x // size](x % size, y)
        return colour if covered >= 0.5 else TRANSPARENT
    write_bmp(sys.argv[2], size * len(ICONS), size, pixel)


if __name__ == '__main__':
    main()
