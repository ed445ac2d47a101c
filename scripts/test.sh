#!/usr/bin/env bash
# Installs what is missing, builds Tavelo with its tests and runs them twice: once plain,
# once with the address and undefined-behaviour sanitizers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build "$root/build" -j "$jobs"
ctest --test-dir "$root/build" -j "$jobs" --output-on-failure

cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVELO_SANITIZE=ON \
  -DTAVELO_BUILD_BENCH=OFF
cmake --build "$root/build-asan" -j "$jobs"
ctest --test-dir "$root/build-asan" -j "$jobs" --output-on-failure
