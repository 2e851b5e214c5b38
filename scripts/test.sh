#!/usr/bin/env bash
# Builds everything with warnings as errors and the address and undefined-behaviour
# sanitizers, then runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKORVEL_WERROR=ON -DKORVEL_SANITIZE=ON \
      -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
