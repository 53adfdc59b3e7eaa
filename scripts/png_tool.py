#!/usr/bin/python3
"""PNG pictures for the Windows checks, read and written with OpenImageIO.

  png_tool.py make OUT.png          a 16-bit RGBA test picture: ramps, saturated
                                    patches, greys and partial transparency
  png_tool.py same A.png B.png      every pixel equal (exit 1 otherwise)
  png_tool.py panel A.png B.png     equal outside text: the pixels that differ must
                                    group into boxes no taller than a line of text;
                                    prints the boxes and how many pixels differ
"""
import sys

import numpy as np
import OpenImageIO as oiio

TEXT_LINE = 20  # the tallest box a line of the panel's text can need


def read(path):
    """The picture's samples as stored (height x width x channels) and its bit depth."""
    # PNG stores colour unassociated with alpha; read it as stored.
    config = oiio.ImageSpec()
    config.attribute('oiio:UnassociatedAlpha', 1)
    image = oiio.ImageInput.open(path, config)
    if image is None:
        sys.exit(f'png_tool: cannot read {path}: {oiio.geterror()}')
    depth = 16 if image.spec().format == oiio.UINT16 else 8
    pixels = image.read_image(oiio.UINT16 if depth == 16 else oiio.UINT8)
    image.close()
    return pixels, depth


def make(path):
    h, w = 64, 96
    y, x = np.mgrid[0:h, 0:w].astype(np.int64)
    hues = np.array([(65535, 0, 0), (65535, 65535, 0), (0, 65535, 0), (0, 65535, 65535), (0, 0, 65535),
                     (65535, 0, 65535)])
    grey = (x // 8) * 65535 // 11
    bands = [
        np.stack([x * 65535 // (w - 1), y * 4096, 65535 - x * 600, np.full_like(x, 65535)], -1),
        np.concatenate([hues[x * 6 // w], ((x * 977 + y * 131) % 65536)[..., None]], -1),
        np.stack([grey, grey, grey, np.full_like(x, 65535)], -1),
        np.stack([(x * 7919) % 65536, (y * 104729) % 65536, (x * y * 31) % 65536, 65535 - x * 300], -1),
    ]
    pixels = np.select([y[..., None] < 16, y[..., None] < 32, y[..., None] < 48, True], bands)
    spec = oiio.ImageSpec(w, h, 4, oiio.UINT16)
    spec.attribute('oiio:UnassociatedAlpha', 1)  # the samples are written as they are
    out = oiio.ImageOutput.create(path)
    if out is None or not out.open(path, spec):
        sys.exit(f'png_tool: cannot write {path}: {oiio.geterror()}')
    out.write_image(pixels.astype(np.uint16))
    out.close()


def differing(a, b):
    pa, da = read(a)
    pb, db = read(b)
    if pa.shape != pb.shape or da != db:
        sys.exit(f'png_tool: {a} is {pa.shape} at {da} bits, {b} {pb.shape} at {db} bits.')
    ys, xs = np.nonzero(np.any(pa != pb, axis=-1))
    return pa.shape[1], pa.shape[0], set(zip(xs.tolist(), ys.tolist()))


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
            for q in [(x + dx, y + dy) for dx in range(-gap, gap + 1) for dy in range(-gap, gap + 1)]:
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
