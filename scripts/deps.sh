#!/usr/bin/env bash
# Installs the Debian packages a job needs, only those that are missing, and
# upgrades nothing that is installed already.
#   deps.sh demo|test|ci      install what the profile needs (default: test)
#   deps.sh --list PROFILE    print the profile's packages
# demo: build tools and the libraries of the program, the module and the viewer;
# test: the demo's, and what the tests use (GoogleTest, Xvfb, xdotool, FFmpeg,
#       OpenImageIO and FFmpeg's libraries for the image readers, numpy,
#       dpkg-dev for the package);
# ci:   the tests', and the sanitizers' and fuzzer's clang, the Windows cross
#       builds and Wine, the benchmarks and their peers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

demo=(python3 cmake ninja-build g++ pkg-config libpng-dev libfreetype-dev libcli11-dev nlohmann-json3-dev
  fonts-liberation2 fonts-dejavu-core libsdl2-dev libimgui-dev)
test=("${demo[@]}" libgtest-dev libgmock-dev xvfb xdotool ffmpeg libopenimageio-dev libavformat-dev libavcodec-dev
  libswscale-dev python3-numpy dpkg-dev)
ci=("${test[@]}" clang libclang-rt-14-dev mingw-w64 libz-mingw-w64-dev libstb-dev wine wine64
  python3-openimageio libopencv-dev libbenchmark-dev)

packages_of() {
  case $1 in
    demo) printf '%s\n' "${demo[@]}" ;;
    test) printf '%s\n' "${test[@]}" ;;
    ci) printf '%s\n' "${ci[@]}" ;;
    *) echo "deps.sh: the profiles are demo, test and ci, not \"$1\"." >&2; return 1 ;;
  esac
}

if [ "${1:-}" = "--list" ]; then
  packages_of "${2:-}"
  exit
fi
profile=${1:-test}
mapfile -t packages < <(packages_of "$profile")

sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
# 32-bit Wine for the legacy Windows module, on a machine that runs 32-bit programs.
if [ "$profile" = ci ] && bash "$root/scripts/runs_32bit.sh"; then
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo_cmd dpkg --add-architecture i386
  packages+=(wine32:i386)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-upgrade --no-install-recommends \
    "${missing[@]}"
fi
