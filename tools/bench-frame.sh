#!/usr/bin/env bash
# Runs the whole-game frame benchmark under an X server of its own with Mesa's software GL and
# the silent sound output: tools/bench-frame.sh [build-dir] [benchmark options...]
# (build-dir defaults to build; see `vantorix-frame-bench --help` for the options).
# The game's logs go to a scratch folder, not the checkout. VANTORIX_BENCH_DATA names another
# data folder to measure (the checkout's data/ by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=build
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
  build=$1; shift
fi
bench=$(cd "$root" && realpath "$build/vantorix-frame-bench")
[ -x "$bench" ] || { echo "no $bench: build with -DVANTORIX_BENCH=ON" >&2; exit 1; }

scratch=$(mktemp -d)
displayFile=$scratch/display
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
# -displayfd picks a free display and names it once the server accepts connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset 3>"$displayFile" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$displayFile" ] && break
  sleep 0.1
done
[ -s "$displayFile" ] || { echo "Xvfb did not start" >&2; exit 1; }

ln -s "$(realpath "${VANTORIX_BENCH_DATA:-$root/data}")" "$scratch/data"
cd "$scratch"
DISPLAY=:$(cat "$displayFile") LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy \
  VANTORIX_AUDIO_OUTPUT=silent "$bench" "$@"
