#!/usr/bin/env bash
# Builds the configurator (Release) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build-release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target korvel-configurator -j"$(nproc)"
exec "$build/korvel-configurator" "$@"
