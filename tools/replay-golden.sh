#!/usr/bin/env bash
# Plays the committed replay of "Asteroid Belt" (tests/data/replay/asteroid-belt.inputs, 1500
# steps, hashed at three steps) twice and compares both with the golden hashes.
#   tools/replay-golden.sh [path/to/vantorix-run]            check (the default runner: build/)
#   tools/replay-golden.sh --update [path/to/vantorix-run]   write new golden hashes and print them
# Without a display it starts its own X server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 640x480x24 -noreset" "$0" "$@"
fi
export LIBGL_ALWAYS_SOFTWARE=${LIBGL_ALWAYS_SOFTWARE:-1} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
update=0
if [ "${1:-}" = "--update" ]; then update=1; shift; fi
runner=$(realpath "${1:-$root/build/vantorix-run}")
inputs=$root/tests/data/replay/asteroid-belt.inputs
golden=$root/tests/data/replay/asteroid-belt.golden

# A folder of its own, seeing the project's data as ./data, takes the game's log files.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$root/data" "$work/data"
replay() {
  (cd "$work" && "$runner" replay 0 1500 --inputs "$inputs" --hash-at 500,1000,1500) | grep '^step '
}
first=$(replay)
second=$(replay)
if [ "$first" != "$second" ]; then
  echo "The same replay gave different hashes on two runs:"
  diff <(echo "$first") <(echo "$second") || true
  exit 1
fi
if [ $update = 1 ]; then
  echo "$first" > "$golden"
  echo "$first"
  exit 0
fi
if [ "$first" != "$(cat "$golden")" ]; then
  echo "The replay of Asteroid Belt no longer gives the golden hashes of $golden:"
  diff "$golden" <(echo "$first") || true
  echo "If the change of behaviour is intended, write the new hashes with"
  echo "    tools/replay-golden.sh --update [path/to/vantorix-run]"
  echo "and commit them with the change."
  exit 1
fi
echo "Replay of Asteroid Belt: golden hashes matched on two runs."
