#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz and runs each for a bounded time,
# starting from the inputs committed in tests/fuzz/corpus/<target>/.
#
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#
# Default: 60 seconds for each of settings, records, record_lines, user_picture.
# New inputs the fuzzer finds go to build-fuzz/corpus/<target>/ (the committed
# corpus is only read); a crash, hang or leak leaves its input in build-fuzz/findings/
# and makes the script fail. Each target's last lines (executions, speed, memory)
# are printed.
#
#   bash scripts/fuzz.sh --seeds   writes the committed corpus anew with make_seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
# clang, with its libFuzzer and sanitizer libraries.
bash scripts/deps.sh clang libclang-rt-14-dev

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKORBO_FUZZ=ON \
  -DBUILD_TESTING=OFF -DKORBO_EXTRAS=OFF "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g -DNDEBUG"
cmake --build build-fuzz --target fuzz_targets

if [ "${1:-}" = --seeds ]; then
  rm -rf tests/fuzz/corpus
  build-fuzz/tests/fuzz/make_seeds tests/fuzz/corpus
  exit
fi

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings records record_lines user_picture)

# malloc_context_size=0: no stack kept for every allocation, which makes the string-heavy
# targets two to three times faster; a finding is replayed with the full stacks by
# running the target on its input alone.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:malloc_context_size=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

mkdir -p build-fuzz/findings
failed=0
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target"
  log="build-fuzz/findings/$target.log"
  echo "== $target: $seconds s"
  # -timeout: one input taking longer than this counts as a hang.
  # -rss_limit_mb / -malloc_limit_mb: an input that makes the reader take this much
  # memory counts as a fault.
  if ! "build-fuzz/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=5 \
      -rss_limit_mb=1024 -malloc_limit_mb=512 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/findings/$target-" \
      "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    failed=1
    echo "!! $target found a fault: see $log"
  fi
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || tail -5 "$log"
done
exit $failed
