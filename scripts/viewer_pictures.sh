#!/usr/bin/env bash
# Writes screenshots of the viewer for a person to look at, on the demo's
# output image: fresh, HSV with channel B soloed, a selection highlighted in
# Region mode, a 16-bit render, and the host's scope pane in parade with its
# statistics table (the Effect Controls view scrolled down to it). Runs under Xvfb when no display is set.
# Usage: scripts/viewer_pictures.sh OUTDIR [BUILD_DIR]   (default: build)
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
xvfb=
trap '[ -z "$xvfb" ] || kill "$xvfb"; rm -rf "$work"' EXIT
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :93 -screen 0 1600x1000x24 >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:93
  sleep 1
fi
(cd "$work" && "$build/bin/tonescope" >/dev/null)
image=$work/tonescope-demo/output.png

# Panel pixels: channel toggles A to D at x 157, 173, 189, 205 of y 11,
# auto view at 284; the histogram's columns start at x 40.
echo "draw" >"$work/fresh.txt"
cat >"$work/hsv-solo-b.txt" <<'S'
set "Color Model" HSV
down 173 11 ctrl
up 173 11
wait 2000
down 284 11
up 284 11
move 173 11
S
cat >"$work/region-selection.txt" <<'S'
set Sample Region
set "Render Output" on
set Width 120
set Height 90
layer 90 60
down 284 11
up 284 11
wait 2000
down 100 150
drag 170 150
up 170 150
S
cat >"$work/scope.txt" <<'S'
scope parade
scroll-controls 330
S
cat >"$work/deep.txt" <<'S'
down 284 11
up 284 11
S

# name, script, then options
while read -r name script options; do
  # shellcheck disable=SC2086 # the options are words
  "$build/bin/tonescope" view "$image" --script "$work/$script" --screenshot "$out/$name.png" $options
done <<EOF
viewer-fresh fresh.txt
viewer-hsv-solo-b hsv-solo-b.txt
viewer-region-selection region-selection.txt
viewer-16bit deep.txt --depth 16
viewer-scope scope.txt
EOF
echo "Wrote the viewer screenshots to $out"
