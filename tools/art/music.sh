#!/usr/bin/env bash
# Makes the game's music loops with sox (Debian's sox with its Ogg Vorbis support):
#   data/music/Title.ogg   the menu's slow pad
#   data/music/Level1.ogg  the first level's pulse
#   data/music/Level2.ogg  the scrolling level's faster pulse
# Each is a short loop of sine and triangle notes, quiet enough to play under the sounds.
# Run from the project root: tools/art/music.sh
set -euo pipefail
mkdir -p data/music
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# note <file> <seconds> <frequency> <shape>: one note with a soft attack and release.
note() {
  sox -n -r 22050 -c 1 "$1" synth "$2" "$4" "$3" fade q 0.05 "$2" 0.2 vol 0.35
}

# loop <output> <seconds per note> <shape> <frequencies...>
loop() {
  local out=$1 length=$2 shape=$3
  shift 3
  local parts=()
  local i=0
  for f in "$@"; do
    note "$tmp/n$i.wav" "$length" "$f" "$shape"
    parts+=("$tmp/n$i.wav")
    i=$((i + 1))
  done
  sox "${parts[@]}" -C 2 "$out"
}

loop data/music/Title.ogg 1.0 sine 220 277.18 329.63 277.18 196 246.94 293.66 246.94
loop data/music/Level1.ogg 0.25 triangle 110 110 164.81 110 146.83 110 130.81 123.47 \
  110 110 164.81 110 196 174.61 164.81 146.83
loop data/music/Level2.ogg 0.2 triangle 146.83 220 146.83 261.63 146.83 220 293.66 261.63 \
  130.81 196 130.81 246.94 130.81 196 261.63 246.94
