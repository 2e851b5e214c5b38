#!/usr/bin/env bash
# Builds everything with warnings as errors and the address and undefined-behaviour
# sanitizers, then runs every test where nothing left on the machine can make it pass.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" tinyproxy
build="$root/build-test"
# Line tables only and light optimisation: sanitizer reports still name file and line, while
# each of the many test programs (every one carries the whole library) stays small and quick.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-Og -g1" \
      -DKORVEL_WERROR=ON -DKORVEL_SANITIZE=ON -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

jobs=$(nproc)
build_real=$(realpath "$build")
# An empty /tmp of our own needs root, a private mount namespace and a build tree outside /tmp.
private_tmp_possible() {
    [ "$(id -u)" -eq 0 ] || return 1
    case "$build_real/" in /tmp/*) return 1 ;; esac
    command -v unshare >/dev/null || return 1
    unshare --mount --propagation private sh -c 'mount -t tmpfs tmpfs /tmp' 2>/dev/null
}

if private_tmp_possible; then
    echo "Running the tests in a private mount namespace with an empty /tmp (tmpfs)."
    unshare --mount --propagation private bash -c \
        'mount -t tmpfs tmpfs /tmp && cd "$1" && ctest --output-on-failure -j"$2"' \
        _ "$build_real" "$jobs"
else
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    echo "Running the tests with TMPDIR=$scratch, a fresh folder removed afterwards."
    cd "$build_real"
    TMPDIR="$scratch" ctest --output-on-failure -j"$jobs"
fi
