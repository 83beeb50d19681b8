#!/usr/bin/env bash
# Runs the libFuzzer targets on the seed corpora kept in fuzz/corpus/.
#
#   scripts/fuzz.sh TARGET SECONDS   one target, e.g. scripts/fuzz.sh jpeg_image 600
#   scripts/fuzz.sh all SECONDS      every target in turn (CI: a short smoke run)
#
# Builds build-fuzz/ with clang when needed. New inputs found go to
# build-fuzz/fuzz/work/TARGET (the corpus in the repository is only read); a
# crash, a leak, a sanitizer report or an input that runs longer than 10 s
# stops the run with a failure and leaves the input in build-fuzz/fuzz/findings/.
# Each run's last lines (executions, coverage) are printed; its whole
# output is in build-fuzz/fuzz/TARGET.log.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(library_reader exchange_import saved_game number_field jpeg_image jpeg_scan_survey bmp_image resize_image)
what=${1:?usage: fuzz.sh TARGET|all SECONDS}
seconds=${2:?usage: fuzz.sh TARGET|all SECONDS}
if [ "$what" = all ]; then selected=("${targets[@]}"); else selected=("$what"); fi

scripts/install-deps.sh
launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DMOSARIN_BUILD_FUZZERS=ON -DMOSARIN_BUILD_TESTS=OFF -DMOSARIN_BUILD_BENCHMARKS=OFF
fi
cmake --build build-fuzz --parallel "$(nproc)" --target "${selected[@]/#/fuzz_}"

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for target in "${selected[@]}"; do
  work=build-fuzz/fuzz/work/$target findings=build-fuzz/fuzz/findings/$target
  log=build-fuzz/fuzz/$target.log
  mkdir -p "$work" "$findings"
  echo "== $target, $seconds s"
  if ! build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$work" "fuzz/corpus/$target" > "$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_$target failed; the input is in $findings"
    exit 1
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|peak_rss_mb)' "$log"
done
