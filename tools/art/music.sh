#!/usr/bin/env bash
# Rebuilds the game's music, data/music/*.ogg, from the scores in tools/music/compose.py:
# writes the MIDI files, renders each with the General MIDI sound font, cuts it one bar after
# its loop end (the part past the loop end is never heard; it only lets the last notes ring
# naturally up to the jump), normalises it to -6 dBFS, blends the loop's last bar into the bar
# before the loop start (tools/music/seam.py) and encodes it as 32 kHz Ogg Vorbis.
# Prints each track's loop points, which data/templates/MusicTemplates.xml must carry.
#
# Needs (only to regenerate content): apt-get install fluidsynth fluid-soundfont-gm vorbis-tools sox
# Run from the project root: tools/art/music.sh [TRACK...]   (default: every track)
set -euo pipefail
font=${SOUNDFONT:-/usr/share/sounds/sf2/FluidR3_GM.sf2}
for tool in python3 fluidsynth sox oggenc; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is missing: apt-get install fluidsynth fluid-soundfont-gm vorbis-tools sox" >&2
    exit 1
  fi
done
if [ ! -f "$font" ]; then
  echo "no sound font at $font (apt-get install fluid-soundfont-gm, or set SOUNDFONT)" >&2
  exit 1
fi

mkdir -p data/music
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
python3 tools/music/compose.py "$tmp" >/dev/null

printf '%-7s %10s %10s %8s\n' track loopStart loopEnd size
while read -r name start end render_end bar; do
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then
    continue
  fi
  fluidsynth -ni -q -F "$tmp/$name.wav" -r 44100 "$font" "$tmp/$name.mid" >/dev/null
  # The score starts on its first beat, so nothing is trimmed from the front: the loop points
  # stay where the score puts them.
  sox "$tmp/$name.wav" "$tmp/$name-cut.wav" trim 0 "$(awk "BEGIN { print $render_end / 1000 }")" \
    gain -n -6 rate -v 32000
  python3 tools/music/seam.py "$tmp/$name-cut.wav" "$tmp/$name-seam.wav" "$start" "$end" "$bar"
  oggenc -Q -q 2 -o "data/music/$name.ogg" "$tmp/$name-seam.wav"
  printf '%-7s %10s %10s %8s\n' "$name" "$start" "$end" "$(du -k "data/music/$name.ogg" | cut -f1)K"
done <"$tmp/loops.txt"
