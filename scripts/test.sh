#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs the whole test suite:
# the main suite (window tests under a virtual display), then the window tests again under
# AddressSanitizer with JUCE's debug checks (leaks, look-and-feels still in use), then the
# thread-sanitizer stress test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
xvfb-run -a ctest --test-dir build --output-on-failure

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWHIRLANE_SANITIZER=address \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_FLAGS_DEBUG="-g -O1" -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"
cmake --build build-asan -j2
ASAN_OPTIONS="detect_leaks=1" xvfb-run -a ctest --test-dir build-asan --output-on-failure

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWHIRLANE_SANITIZER=thread \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build-tsan -j2
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ctest --test-dir build-tsan --output-on-failure
