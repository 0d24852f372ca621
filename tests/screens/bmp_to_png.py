#!/usr/bin/env python3
"""Converts the screen shots, 24-bit Windows bitmaps, into PNG files for the README.

Usage: bmp_to_png.py BMP_FOLDER PNG_FOLDER
Every NAME.bmp of the first folder becomes NAME.png in the second, compressed by zlib.
"""
import pathlib
import struct
import sys
import zlib


def read_bmp(path):
    data = path.read_bytes()
    if data[:2] != b'BM':
        raise ValueError(f'{path}: not a Windows bitmap')
    offset, = struct.unpack_from('<I', data, 10)
    width, height, _, bits = struct.unpack_from('<iiHH', data, 18)
    if bits != 24:
        raise ValueError(f'{path}: {bits} bits per pixel, 24 expected')
    row_size = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(abs(height)):
        stored = y if height < 0 else abs(height) - 1 - y
        row = data[offset + stored * row_size: offset + stored * row_size + width * 3]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = row[2::3], row[1::3], row[0::3]
        rows.append(bytes(rgb))
    return width, abs(height), rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    raw = b''.join(b'\0' + row for row in rows)
    header = struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)
    path.write_bytes(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9)) +
                     chunk(b'IEND', b''))


def main():
    if len(sys.argv) != 3:
        sys.exit('usage: bmp_to_png.py BMP_FOLDER PNG_FOLDER')
    source, target = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    target.mkdir(parents=True, exist_ok=True)
    shots = sorted(source.glob('*.bmp'))
    if not shots:
        sys.exit(f'bmp_to_png.py: no screen shots in {source}')
    for shot in shots:
        write_png(target / (shot.stem + '.png'), *read_bmp(shot))
    print(f'{len(shots)} screen shots written to {target}')


if __name__ == '__main__':
    main()
