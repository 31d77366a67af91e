#!/usr/bin/env bash
# Builds the data-file fuzzer with clang in build-fuzz/ and runs it.
#
#   tools/fuzz.sh                    CI check, the same result for the same commit: replays every
#                                    committed seed (fuzz/corpus/ and fuzz/regressions/), then
#                                    fuzzes from them with a fixed seed for a fixed number of runs.
#   tools/fuzz.sh --explore SECONDS  Open-ended search with a fresh random seed, as long as you
#                                    like. Every crash, leak or hang it finds becomes a committed
#                                    seed: minimise the reproducer it leaves in
#                                    build-fuzz/fuzz-work/ (-minimize_crash=1), add it to
#                                    fuzz/regressions/ (always replayed) and mend the fault.
#
# Fails when the fuzzer finds a crash, a leak or a hang.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
dir=build-fuzz
# About 40 s on a quiet two-core machine. A fixed count, not a time limit, so the
# same commit always gets the same verdict.
ci_runs=20000
ci_seed=20261206

mode=ci
seconds=0
case "${1:-}" in
  "") ;;
  --explore)
    mode=explore
    seconds=${2:?usage: tools/fuzz.sh --explore SECONDS} ;;
  *)
    echo "usage: tools/fuzz.sh [--explore SECONDS]" >&2
    exit 2 ;;
esac

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTORIX_FUZZ=ON -DVANTORIX_TESTS=OFF -DVANTORIX_BENCH=OFF
fi
cmake --build "$dir" -j 2 --target template_fuzzer
fuzzer="$root/$dir/fuzz/template_fuzzer"
limits=(-timeout=10 -rss_limit_mb=2048 -max_len=16384)

# The fuzzer writes its input file and the data-file log into its working directory; new corpus
# entries go to a scratch copy so the committed seeds stay as they are.
work="$dir/fuzz-work"
rm -rf "$work"
mkdir -p "$work/corpus"
cp fuzz/corpus/* fuzz/regressions/* "$work/corpus/"
cd "$work"

if [ "$mode" = ci ]; then
  seeds=("$root"/fuzz/corpus/* "$root"/fuzz/regressions/*)
  echo "Replaying ${#seeds[@]} committed seeds."
  "$fuzzer" "${limits[@]}" "${seeds[@]}"
  "$fuzzer" corpus -seed="$ci_seed" -runs="$ci_runs" "${limits[@]}" -print_final_stats=1
else
  "$fuzzer" corpus -max_total_time="$seconds" "${limits[@]}" -print_final_stats=1
fi
