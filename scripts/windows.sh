#!/usr/bin/env bash
# The Windows modules and hosts. Cross-builds, once each (Release):
#   build-win    the module for today's 64-bit hosts (zelTonescope.aex, the
#                current interface) and the 64-bit tonescope.exe;
#   build-win32  the module for the legacy 32-bit hosts (zelTonescopeLegacy.aex)
#                and a 32-bit tonescope.exe.
# Then runs each tonescope.exe with its module under Wine on a test image in
# every colour model at both depths and compares what it writes with what the
# Linux build writes with the module of the same interface: histogram and
# statistics byte for byte, the output image pixel for pixel, the panel
# everywhere outside its text. Then the sentences for modules it must refuse.
# The 32-bit run needs a machine that runs 32-bit programs (scripts/runs_32bit.sh).
# Usage: windows.sh [NATIVE_BUILD_DIR]   (default: build, as scripts/test.sh makes it)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=${1:-$root/build}
case $native in /*) ;; *) native=$PWD/$native ;; esac
win64=$root/build-win
win32=$root/build-win32
start=$SECONDS

# The native build writes the resource scripts and gives the outputs to compare with.
[ -f "$native/build.ninja" ] || cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$native" -j "$(nproc)" --target zelresources_rc tonescope zelTonescope zelTonescopeLegacy
cross() {
  local dir=$1 toolchain=$2 module=$3
  [ -f "$dir/build.ninja" ] || cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" -DTONESCOPE_NATIVE_BUILD="$native" >/dev/null
  cmake --build "$dir" -j "$(nproc)" --target "$module" tonescope
}
cross "$win64" mingw-w64-x86_64.cmake zelTonescope
cross "$win32" mingw-w64-i686.cmake zelTonescopeLegacy
echo "windows: built in $((SECONDS - start)) s"

failures=0
fail() { echo "windows: $*" >&2; failures=$((failures + 1)); }

# Each file is of its width, needs no MinGW runtime DLL beside it and
# exports what its host looks for.
check_binary() {
  local file=$1 format=$2 export=$3 objdump=$4
  local headers
  headers=$($objdump -p "$file")
  grep -q "file format $format" <<<"$($objdump -f "$file")" || fail "$file is not $format."
  if grep -i 'DLL Name' <<<"$headers" | grep -Eiq 'libgcc|libstdc|libwinpthread'; then
    fail "$file needs a MinGW runtime DLL."
  fi
  grep -Eq "\] $export\$" <<<"$headers" || fail "$file does not export $export."
}
check_binary "$win64/bin/zelTonescope.aex" pei-x86-64 main x86_64-w64-mingw32-objdump
check_binary "$win64/bin/tonescope.exe" pei-x86-64 zelTonescopeHostPlatform x86_64-w64-mingw32-objdump
check_binary "$win32/bin/zelTonescopeLegacy.aex" pei-i386 main i686-w64-mingw32-objdump
check_binary "$win32/bin/tonescope.exe" pei-i386 zelTonescopeHostPlatform i686-w64-mingw32-objdump
# Each module names its entry under the property its hosts look for (the
# codes read backwards in the file).
grep -qa '68xw' "$native/resources/windows/zelTonescope-legacy-pipl16000.bin" ||
  fail "the legacy module's property list has no \"wx86\" entry."
grep -qa '4668' "$native/resources/windows/zelTonescope-current-pipl16000.bin" ||
  fail "the current module's property list has no \"8664\" entry."

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Each width's own Wine loader: Debian's wine command takes the 32-bit one
# whenever it is installed.
wine() { WINELOADER=$loader "$loader" "$@"; }

# Renders the test image with one Windows host and module, and with the Linux
# build's module of the same interface, and compares what they write.
wintool() { wine "$exe" "$@"; }
compare_runs() {
  local label=$1 module=$3 linux_module=$4
  exe=$2
  local work=$5 report=$5/panel-text.txt
  rm -rf "$work" && mkdir -p "$work"
  cd "$work"
  {
    /usr/bin/python3 "$root/scripts/png_tool.py" make input.png
    # Drags on both ends of the range slider: the module polls the live button
    # state while one lasts, so scripted input must reach it through the host.
    printf 'down 44 279\ndrag 80 279\ndrag 120 279\nup 120 279\ndown 296 279 shift\ndrag 250 279\nup 250 279\n' >drags.txt
    # Relative paths: CLI11 on Windows reads a word that starts with "/" as an option.
    cp "$module" module.aex
    wintool info module.aex >info.txt || fail "$label: tonescope.exe info failed."
    : >"$report"
    for model in RGB HLS HSV CMY CMYK XYZ xyY YUV YIQ Lab Luv; do
      for depth in 8 16; do
        run=$model-$depth
        args=(render input.png --model "$model" --depth "$depth" --render-output --events drags.txt)
        "$native/bin/tonescope" "${args[@]}" --module "$linux_module" --output "linux-$run.png" \
          --panel "linux-$run-panel.png" --histogram "linux-$run.csv" --stats "linux-$run.json"
        wintool "${args[@]}" --module module.aex --output "win-$run.png" \
          --panel "win-$run-panel.png" --histogram "win-$run.csv" --stats "win-$run.json" ||
          { fail "$label: tonescope.exe failed on $run."; continue; }
        cmp -s "linux-$run.csv" "win-$run.csv" || fail "$label: the histograms of $run differ."
        cmp -s "linux-$run.json" "win-$run.json" || fail "$label: the statistics of $run differ."
        /usr/bin/python3 "$root/scripts/png_tool.py" same "linux-$run.png" "win-$run.png" ||
          fail "$label: the outputs of $run differ."
        echo -n "$run: " >>"$report"
        /usr/bin/python3 "$root/scripts/png_tool.py" panel "linux-$run-panel.png" "win-$run-panel.png" >>"$report" ||
          fail "$label: the panels of $run differ outside the text."
      done
    done
    # A shot, whose histogram and statistics go to their files frame by frame.
    mkdir -p shot
    for k in 1 2 3; do cp input.png "shot/f.000$k.png"; done
    "$native/bin/tonescope" render shot/f.%04d.png --model Lab --quiet --module "$linux_module" \
      --histogram linux-shot.csv --stats - >linux-shot.jsonl
    wintool render shot/f.%04d.png --model Lab --quiet --module module.aex \
      --histogram win-shot.csv --stats - >win-shot.jsonl || fail "$label: tonescope.exe failed on the shot."
    cmp -s linux-shot.csv win-shot.csv || fail "$label: the shot's histograms differ."
    cmp -s linux-shot.jsonl win-shot.jsonl || fail "$label: the shot's statistics differ."
    # The demo, with the module beside the program: its event script clicks
    # the panel before the last render.
    mkdir -p linux-demo win-demo
    (cd linux-demo && TONESCOPE_MODULE="$linux_module" "$native/bin/tonescope" >/dev/null)
    (cd win-demo && wine "$exe" >/dev/null) || fail "$label: the demo failed under Wine."
    for f in histogram.csv stats.json; do
      cmp -s "linux-demo/tonescope-demo/$f" "win-demo/tonescope-demo/$f" || fail "$label: the demo's $f differ."
    done
    /usr/bin/python3 "$root/scripts/png_tool.py" same {linux,win}-demo/tonescope-demo/output.png ||
      fail "$label: the demo's outputs differ."
    echo -n "demo: " >>"$report"
    /usr/bin/python3 "$root/scripts/png_tool.py" panel {linux,win}-demo/tonescope-demo/panel.png >>"$report" ||
      fail "$label: the demo's panels differ outside the text."
    echo "windows: $label: panel text differs (GDI against FreeType):"
    sed 's/ of [0-9]* pixels differ, in / pixels in /; s/ boxes:.*/ boxes/' "$report" | paste - - -
  }
}

# One Wine prefix per width, made once; no display is needed for info and render.
prefix() {
  export WINEPREFIX=$1
  loader=$2
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    DISPLAY= wine wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  # One server for all the runs below instead of one started for each.
  wineserver -p
}
trap 'wineserver -k 2>/dev/null || true' EXIT

prefix "$win64/wine" /usr/lib/wine/wine64
compare_runs "64-bit" "$win64/bin/tonescope.exe" "$win64/bin/zelTonescope.aex" "$native/bin/zelTonescope.so" \
  "$win64/check"

# Modules the 64-bit tonescope.exe must refuse, each with one sentence and a failing status.
work=$win64/check
cd "$work"
cc=x86_64-w64-mingw32-gcc-posix
printf 'int stub(void) { return 0; }\n' >stub.c
printf '__declspec(dllexport) int main(void) { return 0; }\n' >stubmain.c
rc=$native/resources/windows/zelTonescope-current.rc
grep -E '^(LANGUAGE 9, 1|16000 PIPL)' "$rc" >pipl.rc
python3 - "$native/resources/windows/zelTonescope-current-pipl16000.bin" <<'PY'
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
cp "$win32/bin/zelTonescopeLegacy.aex" legacy32.aex
refuse() {
  local exe=$1 module=$2 expected=$3 out
  if out=$(wine "$exe" info "$module" 2>&1); then
    fail "$exe took $module."
  elif [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] || ! grep -q -- "$expected" <<<"$out"; then
    fail "$exe said about $module: $out"
  else
    echo "windows: $module: $out"
  fi
}
refuse "$win64/bin/tonescope.exe" nolist.aex 'has no property list'
refuse "$win64/bin/tonescope.exe" noentry.aex 'does not export its entry point "main"'
refuse "$win64/bin/tonescope.exe" wrongkind.aex 'which is not an effect'
refuse "$win64/bin/tonescope.exe" text.aex 'is not a Windows library'
refuse "$win64/bin/tonescope.exe" missing.aex 'Cannot open the module'
refuse "$win64/bin/tonescope.exe" legacy32.aex 'is a 32-bit library; this tonescope.exe is 64-bit'
wineserver -k 2>/dev/null || true

if bash "$root/scripts/runs_32bit.sh"; then
  export WINEARCH=win32
  prefix "$win32/wine" /usr/lib/wine/wine
  compare_runs "32-bit" "$win32/bin/tonescope.exe" "$win32/bin/zelTonescopeLegacy.aex" \
    "$native/bin/zelTonescopeLegacy.so" "$win32/check"
  # A device whose pixels the module cannot reach (as a window's own device):
  # it draws through a copy that the draw event hands back, to the same panel.
  TONESCOPE_WINDOW_DEVICE=ddb wintool render input.png --model HSV --events drags.txt --module module.aex \
    --panel win-hidden-panel.png || fail "32-bit: tonescope.exe failed with a device-dependent bitmap."
  wintool render input.png --model HSV --events drags.txt --module module.aex --panel win-dib-panel.png
  /usr/bin/python3 "$root/scripts/png_tool.py" same win-dib-panel.png win-hidden-panel.png ||
    fail "32-bit: the panel drawn through a copy of the window differs."
  cp "$win64/bin/zelTonescope.aex" current64.aex
  refuse "$win32/bin/tonescope.exe" current64.aex 'is a 64-bit library; this tonescope.exe is 32-bit'
else
  echo "windows: the 32-bit tonescope.exe and module are built and checked above, but not run:" \
    "this machine runs no 32-bit programs, and 32-bit Wine needs to."
fi

echo "windows: done in $((SECONDS - start)) s"
[ "$failures" -eq 0 ] || { echo "windows: $failures checks failed." >&2; exit 1; }
