#!/usr/bin/env bash
# Builds the game with its tests and benchmarks, and runs every test headless.
#
# With --sanitize: builds the game and its tests (no benchmarks or asset tools) in
# build-asan with AddressSanitizer and UndefinedBehaviorSanitizer, and runs the
# suite there; any report fails the test that met it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

if [ "${1:-}" = --sanitize ]; then
  # The strategy table comes from the plain build (where only its generator is built if
  # nothing else was): it depends on the code, not on the flags, and under the
  # sanitizers working it out takes many times as long.
  cmake -S . -B build -G Ninja -DBUILD_TESTING=ON
  cmake --build build --target strategy_table
  # -O1 and line tables only: the sanitizers still see every fault and name its line,
  # and the build takes less time than with -O2 and full debug information.
  cmake -S . -B build-asan -G Ninja -DBUILD_TESTING=ON -DKORBO_SANITIZE=ON -DKORBO_EXTRAS=OFF \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" \
    "-DKORBO_STRATEGY_TABLE_FROM=$PWD/build/src/korbo-strategy.bin"
  cmake --build build-asan
  export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:strict_init_order=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp:print_suppressions=0"
  ctest --test-dir build-asan --output-on-failure
  exit
fi

cmake -S . -B build -G Ninja -DBUILD_TESTING=ON
cmake --build build
ctest --test-dir build --output-on-failure
