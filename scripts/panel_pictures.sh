#!/usr/bin/env bash
# Writes pictures of the panel for a person to look at, drawn by the
# replacement host from the demo's test image: a fresh panel, RGB with the
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

# The demo writes its test image's render; that picture is the input here.
(cd "$work" && "$build/bin/tonescope" >/dev/null)
input=$work/tonescope-demo/output.png

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
down 257 11
up 257 11
wait 2000
down 130 150
drag 160 150
up 160 150
draw
EOF

# name, then the render's options
while read -r name options; do
  # shellcheck disable=SC2086 # the options are words
  "$build/bin/tonescope" render "$input" $options --panel "$out/$name.png" >/dev/null </dev/null
done <<EOF
panel-fresh --model RGB
panel-rgb --model RGB --events $work/fit.txt
panel-hsv-solo-b --model HSV --events $work/solo-b.txt
panel-black-selection --model RGB --events $work/black-selection.txt
panel-16bit --model RGB --depth 16 --events $work/fit.txt
EOF
echo "Wrote the panel pictures to $out"
