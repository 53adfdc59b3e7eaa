#!/usr/bin/env python3
"""Small PNG helper for the Windows checks, with no library beyond Python's own.

  png_tool.py make OUT.png          a 16-bit RGBA test picture: ramps, saturated
                                    patches, greys and partial transparency
  png_tool.py same A.png B.png      every pixel equal (exit 1 otherwise)
  png_tool.py panel A.png B.png     equal outside text: the pixels that differ must
                                    group into boxes no taller than a line of text;
                                    prints the boxes and how many pixels differ
"""
import struct
import sys
import zlib

TEXT_LINE = 20  # the tallest box a line of the panel's text can need


def write_png(path, width, height, rows):
    raw = b''.join(b'\0' + b''.join(struct.pack('>4H', *p) for p in row) for row in rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 16, 6, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(raw)) + chunk(b'IEND', b''))


def read_png(path):
    """Width, height and a flat list of RGBA samples; colour type 6 only."""
    data = open(path, 'rb').read()
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        sys.exit(f'png_tool: {path} is not a PNG file.')
    pos, idat = 8, b''
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b'IHDR':
            width, height, depth, colour, _, _, interlace = struct.unpack('>IIBBBBB', body)
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    if colour != 6 or interlace != 0:
        sys.exit(f'png_tool: {path} is not plain RGBA.')
    bpp = 4 * depth // 8
    stride = width * bpp
    raw = zlib.decompress(idat)
    out = bytearray()
    prev = bytearray(stride)
    for y in range(height):
        f = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        out += line
        prev = line
    return width, height, depth, bytes(out)


def make(path):
    w, h = 96, 64
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            if y < 16:
                p = (x * 65535 // (w - 1), y * 4096, 65535 - x * 600, 65535)
            elif y < 32:
                hue = [(65535, 0, 0), (65535, 65535, 0), (0, 65535, 0), (0, 65535, 65535), (0, 0, 65535),
                       (65535, 0, 65535)][x * 6 // w]
                p = hue + ((x * 977 + y * 131) % 65536,)
            elif y < 48:
                g = (x // 8) * 65535 // 11
                p = (g, g, g, 65535)
            else:
                p = ((x * 7919) % 65536, (y * 104729) % 65536, (x * y * 31) % 65536, 65535 - x * 300)
            row.append(p)
        rows.append(row)
    write_png(path, w, h, rows)


def differing(a, b):
    wa, ha, da, pa = read_png(a)
    wb, hb, db, pb = read_png(b)
    if (wa, ha, da) != (wb, hb, db):
        sys.exit(f'png_tool: {a} is {wa} x {ha} at {da} bits, {b} {wb} x {hb} at {db} bits.')
    n = 4 * da // 8
    return wa, ha, {(i // n % wa, i // n // wa) for i in range(0, len(pa), n) if pa[i:i + n] != pb[i:i + n]}


def boxes(points, gap=3):
    """Groups points closer than gap into boxes (left, top, right, bottom), right and bottom included."""
    left = set(points)
    found = []
    while left:
        stack = [left.pop()]
        x0 = x1 = stack[0][0]
        y0 = y1 = stack[0][1]
        while stack:
            x, y = stack.pop()
            x0, x1, y0, y1 = min(x0, x), max(x1, x), min(y0, y), max(y1, y)
            near = [(x + dx, y + dy) for dx in range(-gap, gap + 1) for dy in range(-gap, gap + 1)]
            for q in near:
                if q in left:
                    left.remove(q)
                    stack.append(q)
        found.append((x0, y0, x1, y1))
    return sorted(found, key=lambda b: (b[1], b[0]))


def main():
    if len(sys.argv) == 3 and sys.argv[1] == 'make':
        make(sys.argv[2])
        return 0
    if len(sys.argv) != 4 or sys.argv[1] not in ('same', 'panel'):
        sys.exit(__doc__)
    w, h, diff = differing(sys.argv[2], sys.argv[3])
    if sys.argv[1] == 'same':
        if diff:
            print(f'{len(diff)} of {w * h} pixels differ between {sys.argv[2]} and {sys.argv[3]}.')
        return 1 if diff else 0
    found = boxes(diff)
    tall = [b for b in found if b[3] - b[1] + 1 > TEXT_LINE]
    print(f'{len(diff)} of {w * h} pixels differ, in {len(found)} boxes: ' +
          ' '.join(f'{b[0]},{b[1]}-{b[2]},{b[3]}' for b in found))
    if tall:
        print(f'Boxes taller than a line of text: {tall}.')
    return 1 if tall else 0


if __name__ == '__main__':
    sys.exit(main())
