#!/usr/bin/env bash
# Lets the random pilot play every story level for ten simulated minutes (or as many as given),
# each level in a process of its own, and prints the memory in use at its start and its end.
# Fails when a level fails its checks or its resident memory grew by more than 5% + 8 MB.
#   tools/soak.sh [minutes] [path/to/vantorix-run]
# Without a display it starts its own X server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 640x480x24 -noreset" "$0" "$@"
fi
export LIBGL_ALWAYS_SOFTWARE=${LIBGL_ALWAYS_SOFTWARE:-1} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
minutes=${1:-10}
runner=$(realpath "${2:-$root/build/vantorix-run}")
levels=$(grep -c '<StoryLevel ' "$root/data/templates/Scene.xml")

# A folder of its own, seeing the project's data as ./data, takes the game's log files.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$root/data" "$work/data"

residentAt() { # the resident kB of the "memory at <when>" line
  sed -n "s/.* memory at $1: .*resident \([0-9]*\) kB.*/\1/p" <<<"$2"
}

status=0
for ((level = 0; level < levels; level++)); do
  began=$SECONDS
  output=$(cd "$work" && "$runner" soak "$level" "$minutes" 2>&1) || status=1
  grep '^level ' <<<"$output" || true
  first=$(residentAt start "$output")
  last=$(residentAt end "$output")
  if [ -n "$first" ] && [ -n "$last" ] && ((last > first + first / 20 + 8192)); then
    echo "level $level: resident memory grew from $first kB to $last kB"
    status=1
  fi
  echo "level $level: $((SECONDS - began)) s of wall time"
done
exit $status
