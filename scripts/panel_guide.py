#!/usr/bin/python3
"""Draws the picture of docs/panel.md: the real panel with numbered callouts.

  panel_guide.py OUTDIR [BUILD_DIR]     writes OUTDIR/panel-guide.png
                                        (BUILD_DIR defaults to build)

The panel is drawn by `tonescope render` from a photo-like test image, with
the view reset to the whole range (the scale fitted to the peaks) and a
selection dragged across the histogram. Each callout points at one place of
the panel; the legend beside the picture is what the status line says with
the pointer on that place, read back from the program one place at a time.
So a callout that misses its control shows up: the script stops when two
places name the same control. Needs Debian's python3-numpy and
python3-openimageio, and fonts-dejavu-core for the labels.
"""
import json
import os
import subprocess
import sys
import tempfile

import numpy as np
import OpenImageIO as oiio

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ZOOM = 2
FONT = 'DejaVuSans'
INK = (0.85, 0.25, 0.05)

# What the picture shows: the whole range with the scale fitted (a double
# click on Auto View), then a selection dragged over part of the histogram.
# The first event draws the panel, so that the histogram has its columns
# before it is clicked.
STATE = """move 150 150
down 284 11
up 284 11
down 284 11
up 284 11
wait 2000
down 120 150
drag 175 150
up 175 150
wait 2000
"""

# Callouts: the place in panel pixels, and where the number stands,
# relative to the panel's top-left corner in zoomed pixels. The top row's
# places are near the controls' top edges, so that the marks leave their
# letters readable. None for the place means the scale slider's thumb, found
# in the drawn panel since the fitted scale moves it; its number stands level
# with it.
CALLOUTS = [
    ((54, 6), (108, -34)),      # 1 logo
    ((100, 6), (200, -34)),     # 2 status line
    ((158, 6), (316, -34)),     # 3-6 channel toggles
    ((174, 6), (348, -34)),
    ((190, 6), (380, -34)),
    ((206, 6), (412, -34)),
    ((222, 6), (444, -34)),     # 7 show selection
    ((238, 6), (476, -34)),     # 8 selection colour
    ((258, 6), (516, -34)),     # 9 colour or black bars
    ((285, 6), (570, -34)),     # 10 auto view
    ((70, 60), (-34, 120)),     # 11 histogram view
    (None, (720, None)),        # 12 scale thumb
    ((43, 280), (40, 634)),     # 13 black thumb
    ((43, 290), (150, 634)),    # 14 black number
    ((170, 282), (340, 634)),   # 15 view-range slider
    ((297, 280), (530, 634)),   # 16 white thumb
    ((297, 290), (640, 634)),   # 17 white number
    ((20, 150), (-34, 300)),    # 18 the panel where no control is
]
MARGIN = (60, 60, 70, 70)  # left, top, bottom, right of the zoomed panel


def write_png(path, pixels):
    header = oiio.ImageSpec(pixels.shape[1], pixels.shape[0], pixels.shape[2], oiio.UINT8)
    out = oiio.ImageOutput.create(path)
    if out is None or not out.open(path, header):
        sys.exit(f'panel_guide: cannot write {path}: {oiio.geterror()}')
    out.write_image(pixels)
    out.close()


def photo(path):
    """A soft, grainy gradient: every channel spreads over many values."""
    rng = np.random.default_rng(7)
    v, u = np.mgrid[0:192, 0:256] / np.array([192.0, 256.0])[:, None, None]
    light = 0.5 + 0.5 * np.sin(u * 3.1 + v * 1.7)
    rgb = np.stack([0.25 + 0.5 * light * (1.1 - v), 0.2 + 0.45 * u * light, 0.15 + 0.6 * v * (1 - light)], -1)
    rgb += rng.normal(0.0, 0.03, rgb.shape)
    write_png(path, (np.clip(rgb, 0.0, 1.0) * 255.0 + 0.5).astype(np.uint8))


class Panel:
    def __init__(self, tonescope, work):
        self.tonescope, self.work = tonescope, work
        self.image = os.path.join(work, 'photo.png')
        photo(self.image)

    def render(self, events, panel=None):
        """Replays the picture's state and then events; returns the status line."""
        script, stats = os.path.join(self.work, 'events.txt'), os.path.join(self.work, 'stats.json')
        with open(script, 'w') as f:
            f.write(STATE + events + 'draw\n')
        command = [self.tonescope, 'render', self.image, '--events', script, '--stats', stats]
        if panel:
            command += ['--panel', panel]
        run = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if run.returncode != 0:
            sys.exit(f'panel_guide: {" ".join(command)} failed: {run.stderr.strip()}')
        with open(stats) as f:
            return json.load(f)['status_line']

    def hover(self, x, y):
        return self.render(f'move {x} {y}\n')


def read_png(path):
    image = oiio.ImageInput.open(path)
    if image is None:
        sys.exit(f'panel_guide: cannot read {path}: {oiio.geterror()}')
    pixels = image.read_image(oiio.UINT8)[:, :, :3]
    image.close()
    return pixels


def scale_thumb(pixels):
    """The scale thumb's middle: the rows beside the view's right edge (rows
    19 to 274) that are not background."""
    top = 19
    strip = pixels[top:275, 301:306].reshape(275 - top, -1)
    kinds, counts = np.unique(strip, axis=0, return_counts=True)
    background = kinds[counts.argmax()]
    rows = np.nonzero(np.any(strip != background, axis=1))[0]
    if rows.size == 0:
        sys.exit('panel_guide: the scale thumb is not where the panel draws it')
    return 303, top + int(rows.mean())


def disc(canvas, cx, cy, r, colour):
    y, x = np.ogrid[0:canvas.shape[0], 0:canvas.shape[1]]
    canvas[(x - cx) ** 2 + (y - cy) ** 2 <= r * r] = colour


def line(canvas, a, b, colour):
    n = int(max(abs(b[0] - a[0]), abs(b[1] - a[1]))) + 1
    for t in np.linspace(0.0, 1.0, n):
        x, y = int(round(a[0] + (b[0] - a[0]) * t)), int(round(a[1] + (b[1] - a[1]) * t))
        canvas[y:y + 2, x:x + 2] = colour


def compose(panel, places, spots, texts, path):
    h, w = panel.shape[0] * ZOOM, panel.shape[1] * ZOOM
    left, top, bottom, right = MARGIN
    legend_x = left + w + right
    canvas = np.full((max(top + h + bottom, 40 + 22 * len(texts)), legend_x + 520, 3), 1.0, np.float32)
    canvas[top:top + h, left:left + w] = np.kron(panel, np.ones((ZOOM, ZOOM, 1))) / 255.0
    labels = []
    for number, ((px, py), (lx, ly)) in enumerate(zip(places, spots), 1):
        target = (left + px * ZOOM, top + py * ZOOM)
        where = (left + lx, top + ly)
        line(canvas, where, target, INK)
        disc(canvas, target[0], target[1], 3, INK)
        disc(canvas, where[0], where[1], 13, INK)
        labels.append((number, where))
    buf = oiio.ImageBuf(oiio.ImageSpec(canvas.shape[1], canvas.shape[0], 3, oiio.FLOAT))
    buf.set_pixels(oiio.ROI(0, canvas.shape[1], 0, canvas.shape[0]), canvas)
    for number, (x, y) in labels:
        oiio.ImageBufAlgo.render_text(buf, x, y, str(number), 15, FONT, (1, 1, 1), 'center', 'center')
    oiio.ImageBufAlgo.render_text(buf, legend_x, 30, 'What the status line reads, the pointer on each place:', 15, FONT, (0, 0, 0))
    for number, text in enumerate(texts, 1):
        oiio.ImageBufAlgo.render_text(buf, legend_x, 36 + 22 * number, f'{number:2d}  {text}', 14, FONT, (0, 0, 0))
    if not buf.write(path, oiio.UINT8):
        sys.exit(f'panel_guide: cannot write {path}: {buf.geterror()}')


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__.split('\n\n')[1])
    out = os.path.abspath(sys.argv[1])
    build = os.path.join(ROOT, sys.argv[2] if len(sys.argv) == 3 else 'build')
    tonescope = os.path.join(build, 'bin', 'tonescope')
    if not os.access(tonescope, os.X_OK):
        sys.exit(f'panel_guide: no {tonescope}; build it first: cmake --build {build} --target tonescope zelTonescope')
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        panel = Panel(tonescope, work)
        drawn = os.path.join(work, 'panel.png')
        # The pointer rests on the histogram, so the status line shows the
        # selection's statistics.
        panel.render('move 150 200\n', drawn)
        pixels = read_png(drawn)
        places = [place or scale_thumb(pixels) for place, _ in CALLOUTS]
        texts = [panel.hover(x, y) for x, y in places]
    named = {}
    for number, text in enumerate(texts, 1):
        if text in named:
            sys.exit(f'panel_guide: callouts {named[text]} and {number} both point at "{text}"')
        named[text] = number
    spots = [(x, py * ZOOM if y is None else y) for (_, py), (x, y) in zip(places, (c[1] for c in CALLOUTS))]
    path = os.path.join(out, 'panel-guide.png')
    compose(pixels, places, spots, texts, path)
    print(f'Wrote {path}')


if __name__ == '__main__':
    main()
