#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail
packages=(python3 cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev libopenimageio-dev ffmpeg libfreetype-dev libcli11-dev nlohmann-json3-dev fonts-liberation2
  fonts-dejavu-core clang libclang-rt-14-dev libsdl2-dev libimgui-dev xvfb xdotool
  mingw-w64 libz-mingw-w64-dev libstb-dev wine wine64
  python3-openimageio python3-numpy)
# The benchmark's peer for the colour kernel.
packages+=(libopencv-dev)
# 32-bit Wine for the legacy Windows module, on a machine that runs 32-bit programs.
root=$(cd "$(dirname "$0")/.." && pwd)
if bash "$root/scripts/runs_32bit.sh"; then
  dpkg --print-foreign-architectures | grep -qx i386 || {
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd dpkg --add-architecture i386
  }
  packages+=(wine32:i386)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
