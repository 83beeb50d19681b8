#!/usr/bin/env bash
# Builds the whole test suite with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs it headless. Any
# sanitizer report (an error, undefined behaviour or a leak) fails the test
# that provoked it, and so this script. Every test runs, the end-to-end ones
# on the virtual X server included, except the one named below.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f build-asan/CMakeCache.txt ]; then
  cmake -S . -B build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
    -DMOSARIN_SANITIZE=ON -DMOSARIN_BUILD_BENCHMARKS=OFF
fi
cmake --build build-asan --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The interrupted-save test (label robustness) forks a thousand times, which
# under AddressSanitizer takes about a minute instead of seconds; its code is
# covered here by the other save tests, and scripts/test.sh runs it in full.
ctest --test-dir build-asan --output-on-failure --timeout 600 -j "$(nproc)" -LE robustness
