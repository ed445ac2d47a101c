#!/usr/bin/env bash
# Installs what is missing, builds Tavelo, creates a demo installation in ./demo and starts
# the program there. Set TAVELO_DEMO_NO_START=1 to build the installation only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTAVELO_BUILD_TESTS=OFF -DTAVELO_BUILD_BENCH=OFF
cmake --build "$root/build-release"
"$root/build-release/tools/demo/tavelo-make-demo" "$root/demo" "$root/build-release/src/app/tavelo"
echo "Demo installation: $root/demo"
if [[ "${TAVELO_DEMO_NO_START:-}" != 1 ]]; then
  exec "$root/demo/tavelo/tavelo"
fi
