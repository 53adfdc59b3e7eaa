#!/usr/bin/env bash
# Writes pictures of the panel for a person to look at, drawn by the
# replacement host from a photo-like test image: a fresh panel, RGB with the
# view fitted, HSV with channel B soloed, black bars with a selection, and a
# 16-bit render with the view fitted.
# Usage: scripts/panel_pictures.sh OUTDIR [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?"usage: $0 OUTDIR [BUILD_DIR]"}
build=$(cd "$root" && mkdir -p "${2:-build}" && cd "${2:-build}" && pwd)
if [ ! -x "$build/bin/tonescope" ] || [ ! -e "$build/bin/zelTonescope.so" ]; then
  [ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
  cmake --build "$build" --target tonescope zelTonescope
fi
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Photo-like inputs, 8- and 16-bit: soft colour gradients with fine grain,
# so that every channel spreads over many neighbouring values.
python3 - "$work" <<'PY'
import math, struct, sys, zlib
def write(path, bits):
    w, h, top, seed = 256, 192, (1 << bits) - 1, 12345
    rows = []
    for y in range(h):
        row = bytearray([0])
        for x in range(w):
            u, v = x / w, y / h
            seed = (seed * 1103515245 + 12345) & 0x7fffffff
            grain = (seed / 0x7fffffff - 0.5) * 0.08
            light = 0.5 + 0.5 * math.sin(u * 3.1 + v * 1.7)
            rgb = (0.25 + 0.5 * light * (1.1 - v) + grain, 0.2 + 0.45 * u * light + grain,
                   0.15 + 0.6 * v * (1 - light) + grain)
            for c in rgb:
                value = round(min(1.0, max(0.0, c)) * top)
                row += struct.pack(">H", value) if bits == 16 else bytes([value])
        rows.append(bytes(row))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", w, h, bits, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(b"".join(rows)))
                + chunk(b"IEND", b""))
write(sys.argv[1] + "/photo8.png", 8)
write(sys.argv[1] + "/photo16.png", 16)
PY

# Panel pixels: the top row's buttons sit on y 11 (channel toggles A to D at
# x 157, 173, 189, 205, the colour switch at 257, auto view at 284); view
# column c is at x 40 + c.
cat >"$work/fit.txt" <<'EOF'
down 284 11
up 284 11
move 150 150
draw
EOF
cat >"$work/solo-b.txt" <<'EOF'
down 173 11 ctrl
up 173 11
wait 2000
down 284 11
up 284 11
move 173 11
draw
EOF
cat >"$work/black-selection.txt" <<'EOF'
down 284 11
up 284 11
wait 2000
down 257 11
up 257 11
wait 2000
down 130 150
drag 160 150
up 160 150
draw
EOF

# name, then the input and the render's options
while read -r name options; do
  # shellcheck disable=SC2086 # the options are words
  "$build/bin/tonescope" render $options --panel "$out/$name.png" >/dev/null </dev/null
done <<EOF
panel-fresh $work/photo8.png --model RGB
panel-rgb $work/photo8.png --model RGB --events $work/fit.txt
panel-hsv-solo-b $work/photo8.png --model HSV --events $work/solo-b.txt
panel-black-selection $work/photo8.png --model RGB --events $work/black-selection.txt
panel-16bit $work/photo16.png --model RGB --depth 16 --events $work/fit.txt
EOF
echo "Wrote the panel pictures to $out"
