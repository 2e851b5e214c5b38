#!/usr/bin/env bash
# Builds the configurator (Release) and starts it.
#   scripts/run.sh [ARGS...]              the program, talking to a plugged communicator
#   scripts/run.sh --simulated [ARGS...]  the program with a simulated communicator plugged
#                                         in (log in as admin / vorte); nothing is installed
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
target=korvel-configurator
if [ "${1:-}" = "--simulated" ]; then
    target=configurator-with-simulator
    shift
fi
build="$root/build-release"
# Tests stay configured so the simulated program can be built; only the chosen target is.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target "$target" -j"$(nproc)"
program=$(find "$build" -type f -name "$target" -perm -u+x | head -n 1)
exec "$program" "$@"
