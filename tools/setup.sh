#!/usr/bin/env bash
# Installs every Debian package the project needs and configures the build.
# Safe to run again: apt skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang clang-format libclang-rt-14-dev pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev
  libgl1-mesa-dev libgl1-mesa-dri mesa-utils
  libtinyxml-dev libboost-dev
  libopenal-dev libopenal1 libsndfile1-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth xdotool imagemagick
  fonts-freefont-ttf
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
