#!/usr/bin/env bash
# Usage: scripts/fuzz.sh NAME SECONDS  -- builds fuzz/fuzz_NAME.cpp with clang and libFuzzer
# and runs it for SECONDS from its seed corpus (fuzz/corpus/NAME) with its dictionary
# (fuzz/dict/NAME.dict) where it has one. New inputs go to build-fuzz/corpus-NAME; a crash
# stops the run and leaves its input in build-fuzz/ (first undefined-behaviour report too).
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 NAME SECONDS" >&2; exit 2; }
name=$1; seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" clang libclang-rt-14-dev
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORVEL_FUZZ=ON -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target "fuzz_$name" -j"${FUZZ_BUILD_JOBS:-$(nproc)}"
corpus="$build/corpus-$name"
seeds="$root/fuzz/corpus/$name"
mkdir -p "$corpus"
options=(-max_total_time="$seconds" -print_final_stats=1 -max_len=262144 -timeout=180
         -artifact_prefix="$build/")
[ -f "$root/fuzz/dict/$name.dict" ] && options+=(-dict="$root/fuzz/dict/$name.dict")
export QT_QPA_PLATFORM=offscreen
# A runtime folder of its own: the device lock of one running target must not keep another
# from logging in to its simulated communicator.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
chmod 700 "$runtime"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "$build"
"$build/fuzz/fuzz_$name" "${options[@]}" "$corpus" "$seeds"
