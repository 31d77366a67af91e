#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs the template loader fuzzer for a
# bounded time: tools/fuzz.sh [seconds, default 60]. Fails when the fuzzer finds a crash, a leak
# or a hang; the reproducer is left in build-fuzz/fuzz-work/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-60}
dir=build-fuzz

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTORIX_FUZZ=ON -DVANTORIX_TESTS=OFF -DVANTORIX_BENCH=OFF
fi
cmake --build "$dir" -j 2 --target template_fuzzer

# The fuzzer writes its input file and the data-file log into its working directory; new
# corpus entries go to a scratch copy so the committed seeds stay small.
work="$dir/fuzz-work"
rm -rf "$work"
mkdir -p "$work/corpus"
cp fuzz/corpus/* "$work/corpus/"
cd "$work"
"$root/$dir/fuzz/template_fuzzer" corpus -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -max_len=16384 -print_final_stats=1
