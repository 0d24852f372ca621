"""Writes pictures as 24-bit Windows bitmaps, the form the add-in's resources hold."""
import struct


def write_bmp(path, width, height, pixel):
    """Writes a width x height picture whose colour at (x, y), y downwards, is pixel(x, y)
    as an (r, g, b) tuple. Rows are stored bottom-up and padded to four bytes."""
    row_size = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b'\0' * (row_size - len(row))
        rows.append(bytes(row))
    image = b''.join(rows)
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(image), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(image), 3780, 3780, 0, 0)
    with open(path, 'wb') as out:
        out.write(header + info + image)
