#!/usr/bin/env bash
# The Windows module and host: cross-builds zelTonescope.aex and tonescope.exe
# into build-win (Release, once), then runs tonescope.exe under Wine on a test
# image in every colour model at both depths and compares what it writes with
# the Linux build's files: histogram and statistics byte for byte, the output
# image pixel for pixel, the panel everywhere outside its text. Then the
# sentences for modules it must refuse.
# Usage: windows.sh [NATIVE_BUILD_DIR]   (default: build, as scripts/test.sh makes it)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=${1:-$root/build}
win=$root/build-win
work=$win/check
start=$SECONDS

# The native build writes the resource script and gives the outputs to compare with.
[ -f "$native/build.ninja" ] || cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$native" -j "$(nproc)" --target zelresources_rc tonescope zelTonescope
[ -f "$win/build.ninja" ] || cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DTONESCOPE_NATIVE_BUILD="$native" >/dev/null
cmake --build "$win" -j "$(nproc)" --target zelTonescope tonescope
echo "windows: built in $((SECONDS - start)) s"

# No MinGW runtime DLL may be needed beside the module or the program.
for f in "$win/bin/zelTonescope.aex" "$win/bin/tonescope.exe"; do
  if x86_64-w64-mingw32-objdump -p "$f" | grep -i 'DLL Name' | grep -Ei 'libgcc|libstdc|libwinpthread'; then
    echo "windows: $f needs a MinGW runtime DLL." >&2
    exit 1
  fi
done
exports=$(x86_64-w64-mingw32-objdump -p "$win/bin/zelTonescope.aex")
grep -Eq '\] main$' <<<"$exports" || { echo "windows: zelTonescope.aex does not export main." >&2; exit 1; }
# Scripted input reaches the module only through the table the program exports.
exports=$(x86_64-w64-mingw32-objdump -p "$win/bin/tonescope.exe")
grep -Eq '\] zelTonescopeHostPlatform$' <<<"$exports" ||
  { echo "windows: tonescope.exe does not export its platform table." >&2; exit 1; }

# One Wine prefix for every run, made once; no display is needed for info and render.
export WINEPREFIX=$win/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  DISPLAY= wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# One server for all the runs below instead of one started for each.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
wintool() { wine "$win/bin/tonescope.exe" "$@"; }

rm -rf "$work" && mkdir -p "$work"
cd "$work"
python3 "$root/scripts/png_tool.py" make input.png
# Drags on both ends of the range slider: the module polls the live button
# state while one lasts, so scripted input must reach it through the host.
printf 'down 44 279\ndrag 80 279\ndrag 120 279\nup 120 279\ndown 296 279 shift\ndrag 250 279\nup 250 279\n' >drags.txt
# Relative paths: CLI11 on Windows reads a word that starts with "/" as an option.
wintool info ../bin/zelTonescope.aex >/dev/null

failures=0
fail() { echo "windows: $*" >&2; failures=$((failures + 1)); }
report=$work/panel-text.txt
: >"$report"
for model in RGB HLS HSV CMY CMYK XYZ xyY YUV YIQ Lab Luv; do
  for depth in 8 16; do
    run=$model-$depth
    args=(render input.png --model "$model" --depth "$depth" --render-output --events drags.txt)
    "$native/bin/tonescope" "${args[@]}" --module "$native/bin/zelTonescope.so" --output "linux-$run.png" \
      --panel "linux-$run-panel.png" --histogram "linux-$run.csv" --stats "linux-$run.json"
    wintool "${args[@]}" --module ../bin/zelTonescope.aex --output "win-$run.png" \
      --panel "win-$run-panel.png" --histogram "win-$run.csv" --stats "win-$run.json" ||
      { fail "tonescope.exe failed on $run."; continue; }
    cmp -s "linux-$run.csv" "win-$run.csv" || fail "the histograms of $run differ."
    cmp -s "linux-$run.json" "win-$run.json" || fail "the statistics of $run differ."
    python3 "$root/scripts/png_tool.py" same "linux-$run.png" "win-$run.png" || fail "the outputs of $run differ."
    echo -n "$run: " >>"$report"
    python3 "$root/scripts/png_tool.py" panel "linux-$run-panel.png" "win-$run-panel.png" >>"$report" ||
      fail "the panels of $run differ outside the text."
  done
done
# The demo: its event script clicks the panel before the last render.
mkdir -p linux-demo win-demo
(cd linux-demo && "$native/bin/tonescope" >/dev/null)
(cd win-demo && wine "$win/bin/tonescope.exe" >/dev/null) || fail "the demo failed under Wine."
for f in histogram.csv stats.json; do
  cmp -s "linux-demo/tonescope-demo/$f" "win-demo/tonescope-demo/$f" || fail "the demo's $f differ."
done
python3 "$root/scripts/png_tool.py" same {linux,win}-demo/tonescope-demo/output.png || fail "the demo's outputs differ."
echo -n "demo: " >>"$report"
python3 "$root/scripts/png_tool.py" panel {linux,win}-demo/tonescope-demo/panel.png >>"$report" ||
  fail "the demo's panels differ outside the text."

# A device whose pixels the module cannot reach (as a window's own device):
# it draws through a copy that the draw event hands back, to the same panel.
TONESCOPE_WINDOW_DEVICE=ddb wintool render input.png --model HSV --events drags.txt \
  --module ../bin/zelTonescope.aex --panel win-hidden-panel.png ||
  fail "tonescope.exe failed with a device-dependent window bitmap."
wintool render input.png --model HSV --events drags.txt --module ../bin/zelTonescope.aex --panel win-dib-panel.png
python3 "$root/scripts/png_tool.py" same win-dib-panel.png win-hidden-panel.png ||
  fail "the panel drawn through a copy of the window differs."

echo "windows: panel text differs (GDI against FreeType):"
sed 's/ of [0-9]* pixels differ, in / pixels in /; s/ boxes:.*/ boxes/' "$report" | paste - - -

# Modules tonescope.exe must refuse, each with one sentence and a failing status.
cc=x86_64-w64-mingw32-gcc-posix
printf 'int stub(void) { return 0; }\n' >stub.c
printf '__declspec(dllexport) int main(void) { return 0; }\n' >stubmain.c
grep -E '^(LANGUAGE 9, 1|16000 PIPL)' "$native/resources/windows/zelTonescope.rc" >pipl.rc
python3 - "$native/resources/windows/pipl16000.bin" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
assert data.count(b'TKFe') == 1
open('wrongkind.bin', 'wb').write(data.replace(b'TKFe', b'XFGA'))
PY
sed "s|\"[^\"]*pipl16000.bin\"|\"wrongkind.bin\"|" pipl.rc >wrongkind.rc
x86_64-w64-mingw32-windres pipl.rc -O coff -o pipl.res
x86_64-w64-mingw32-windres wrongkind.rc -O coff -o wrongkind.res
$cc -shared -o nolist.aex stubmain.c
$cc -shared -o noentry.aex stub.c pipl.res
$cc -shared -o wrongkind.aex stubmain.c wrongkind.res
echo 'not a module' >text.aex
refuse() {
  local module=$1 expected=$2 out
  if out=$(wintool info "$module" 2>&1); then
    fail "tonescope.exe took $module."
  elif [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] || ! grep -q -- "$expected" <<<"$out"; then
    fail "tonescope.exe said about $module: $out"
  else
    echo "windows: $module: $out"
  fi
}
refuse nolist.aex 'has no property list'
refuse noentry.aex 'does not export its entry point "main"'
refuse wrongkind.aex 'which is not an effect'
refuse text.aex 'is not a Windows library'
refuse missing.aex 'Cannot open the module'

echo "windows: done in $((SECONDS - start)) s"
[ "$failures" -eq 0 ] || { echo "windows: $failures checks failed." >&2; exit 1; }
