#!/usr/bin/env bash
# Usage: scripts/fuzz-seeds.sh  -- writes the fuzz targets' seed corpora (fuzz/corpus/) and
# dictionaries (fuzz/dict/) from what the program and the simulated communicator
# produce. Builds the test tree (build-test) if needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-test"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target fuzz-seeds -j3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/fuzz-seeds" "$root/fuzz"
