#!/usr/bin/env bash
# Writes seeds for fuzz_readers into FOLDER (default build-fuzz/seeds/fuzz_readers):
# tiled, mip-mapped, layered and cut-short OpenEXR and TIFF files, and small
# movies whole and cut short. Each seed is the selector byte of the image
# reader (0: whole, A: every third pixel) and the file. Needs ffmpeg and
# Debian's python3-openimageio. Usage: reader_seeds.sh [FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-fuzz/seeds/fuzz_readers}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

/usr/bin/python3 - "$work" <<'EOF'
import sys
import numpy as np
import OpenImageIO as oiio

work = sys.argv[1]
pixels = np.linspace(0, 1, 32 * 24 * 6, dtype=np.float32).reshape(24, 32, 6)

def write(name, channels, tiles=0, mip=False, fmt='half'):
    spec = oiio.ImageSpec(32, 24, len(channels), fmt)
    spec.channelnames = channels
    if tiles:
        spec.tile_width = spec.tile_height = tiles
    buf = oiio.ImageBuf(spec)
    buf.set_pixels(oiio.ROI(), pixels[:, :, :len(channels)])
    path = f'{work}/{name}'
    if mip:
        config = oiio.ImageSpec()
        config.tile_width = config.tile_height = tiles
        oiio.ImageBufAlgo.make_texture(oiio.MakeTxTexture, buf, path, config)
    else:
        buf.write(path)

write('tiled.exr', ('R', 'G', 'B', 'A'), tiles=16)
write('mip.exr', ('R', 'G', 'B'), tiles=16, mip=True)
write('layered.exr', ('diffuse.R', 'diffuse.G', 'diffuse.B', 'spec.R', 'spec.G', 'spec.B'))
write('rgbz.exr', ('R', 'G', 'B', 'Z'), fmt='float')
write('tiled.tif', ('R', 'G', 'B'), tiles=16, fmt='uint16')
write('mip.tif', ('R', 'G', 'B', 'A'), tiles=16, mip=True, fmt='uint8')
write('grey-alpha.tif', ('Y', 'A'), fmt='uint16')
EOF

movie() { ffmpeg -loglevel error -f lavfi -i testsrc=size=32x24:rate=10 -frames:v 12 "$@"; }
movie -c:v libx264 -g 6 -movflags +faststart "$work/bframes.mp4"
movie -c:v mjpeg -q:v 20 "$work/mjpeg.avi"
movie -c:v prores_ks -profile:v 0 "$work/prores.mov"
movie -c:v libx264 -bf 0 "$work/plain.mkv"

for f in "$work"/*; do
  name=$(basename "$f")
  { printf '\x00'; cat "$f"; } >"$out/$name"
  { printf 'A'; head -c $(($(stat -c %s "$f") / 2)) "$f"; } >"$out/cut-$name"
done
echo "$(ls "$out" | wc -l) seeds in $out"
