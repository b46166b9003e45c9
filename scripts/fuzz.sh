#!/usr/bin/env bash
# Fuzzes every reader of host state, program state, preset files and the settings file
# with libFuzzer and AddressSanitizer for a bounded time, starting from the committed
# corpus. Usage: scripts/fuzz.sh [seconds]   (default 300)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"

bash scripts/install-deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWHIRLANE_SANITIZER=fuzzer-no-link,address \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j2 --target whirlane_state_fuzzer

# Work on a copy, so the committed corpus only grows by hand.
work=build-fuzz/corpus
mkdir -p "$work"
cp tests/fuzz/corpus/* "$work/"
ASAN_OPTIONS="detect_leaks=0" build-fuzz/tests/whirlane_state_fuzzer "$work" \
    -max_total_time="$seconds" -max_len=262144 -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/
echo "Corpus after the run: $(ls "$work" | wc -l) inputs in $work"
