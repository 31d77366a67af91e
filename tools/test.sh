#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite headless (Xvfb with Mesa's
# software GL). With --sanitize the tree in build-sanitize is built with ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
dir=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  options=(-DVANTORIX_SANITIZE=ON -DVANTORIX_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
tools/build.sh "$dir" "${options[@]}"
export LIBGL_ALWAYS_SOFTWARE=1
export SDL_AUDIODRIVER=dummy
# -noreset: an X server that resets whenever its last client leaves refuses connections
# meanwhile, and test processes come and go all the time.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
