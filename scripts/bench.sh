#!/usr/bin/env bash
# Builds the engine benchmark in Release and runs it on one core, reporting the median,
# mean and spread of repeated runs. The repetitions of all cases are interleaved in random
# order, so a drift in the machine's speed spreads over every case instead of favouring one. Extra arguments go to the benchmark, for example
#   scripts/bench.sh --benchmark_filter='Stereo/rate:48000/block:512'
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${WHIRLANE_BENCH_BUILD:-$root/build-bench}"

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
ninja -C "$build" whirlane_bench

pin=()
if command -v taskset >/dev/null 2>&1 && taskset -c 1 true 2>/dev/null; then
    pin=(taskset -c 1)
fi

"${pin[@]}" "$build/benchmarks/whirlane_bench" \
    --benchmark_repetitions=5 \
    --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.3 \
    "$@"
