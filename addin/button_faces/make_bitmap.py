#!/usr/bin/env python3
"""Turns a toolbar button face drawn as text into an 8-bit-per-pixel Windows bitmap.

A .face file holds, line by line:
  # ...                  a comment (also blank lines)
  size WIDTH HEIGHT      once, before the pixels
  colour C #RRGGBB       one per colour: C is the one character that paints it
  pixels                 then exactly HEIGHT lines of exactly WIDTH characters, top row first
The face's transparent colour is the colour of its bottom-left pixel; Office shows the
toolbar's own colour there.

Usage: make_bitmap.py FACE BMP
Writes a BMP file (BITMAPFILEHEADER, BITMAPINFOHEADER, a palette of the face's colours in
the order they are declared, bottom-up rows padded to four bytes). A malformed source is
named with its line and nothing is written.
"""
import re
import struct
import sys


class FaceError(Exception):
    pass


def parse(path):
    size = None
    palette = {}
    order = []
    rows = []
    in_pixels = False
    with open(path, encoding='ascii') as source:
        for number, raw in enumerate(source, start=1):
            line = raw.rstrip('\r\n')
            def fail(what):
                raise FaceError('%s:%d: %s' % (path, number, what))
            if in_pixels:
                if len(rows) == size[1]:
                    if line.strip():
                        fail('more than %d rows of pixels' % size[1])
                    continue
                if len(line) != size[0]:
                    fail('a row of %d pixels, not %d' % (len(line), size[0]))
                unknown = sorted(set(line) - set(palette))
                if unknown:
                    fail('no colour is declared for %r' % ''.join(unknown))
                rows.append(line)
                continue
            if not line.strip() or line.startswith('#'):
                continue
            words = line.split()
            if words[0] == 'size' and len(words) == 3 and size is None:
                try:
                    size = (int(words[1]), int(words[2]))
                except ValueError:
                    fail('the size takes two numbers')
                if not (0 < size[0] <= 256 and 0 < size[1] <= 256):
                    fail('a face is 1 to 256 pixels each way')
            elif words[0] == 'colour' and len(words) == 3 and len(words[1]) == 1:
                if not re.fullmatch(r'#[0-9A-Fa-f]{6}', words[2]):
                    fail('a colour is #RRGGBB, not %r' % words[2])
                if words[1] in palette:
                    fail('the colour %r is declared twice' % words[1])
                palette[words[1]] = int(words[2][1:], 16)
                order.append(words[1])
                if len(order) > 256:
                    fail('an 8-bit bitmap holds 256 colours at most')
            elif words == ['pixels']:
                if size is None:
                    fail('"size" must come before the pixels')
                in_pixels = True
            else:
                fail('unknown line %r' % line)
    if size is None or len(rows) != size[1]:
        raise FaceError('%s: %d rows of pixels, not %s' % (path, len(rows), size[1] if size else 'a size'))
    return size, order, palette, rows


def bitmap(size, order, palette, rows):
    width, height = size
    index = {ch: i for i, ch in enumerate(order)}
    stride = (width + 3) & ~3
    pixels = b''.join(bytes(index[ch] for ch in row) + bytes(stride - width) for row in reversed(rows))
    colours = b''.join(struct.pack('<BBBB', palette[ch] & 0xFF, (palette[ch] >> 8) & 0xFF, palette[ch] >> 16, 0)
                       for ch in order)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, len(order), 0)
    offset = 14 + len(info) + len(colours)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return header + info + colours + pixels


def main(argv):
    if len(argv) != 3:
        print('usage: make_bitmap.py FACE BMP', file=sys.stderr)
        return 2
    try:
        data = bitmap(*parse(argv[1]))
    except (FaceError, OSError, UnicodeDecodeError) as error:
        print('make_bitmap.py: %s' % error, file=sys.stderr)
        return 1
    with open(argv[2], 'wb') as out:
        out.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
