#!/usr/bin/env bash
# Usage: scripts/fuzz.sh NAME SECONDS  -- builds fuzz/fuzz_NAME.cpp with clang and libFuzzer
# and runs it for SECONDS.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 NAME SECONDS" >&2; exit 2; }
name=$1; seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" clang libclang-rt-14-dev
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORVEL_FUZZ=ON -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target "fuzz_$name" -j"$(nproc)"
corpus="$build/corpus-$name"
mkdir -p "$corpus"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
"$build/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
