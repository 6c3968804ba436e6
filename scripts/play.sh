#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF
cmake --build build --target korbo
exec ./build/src/korbo "$@"
