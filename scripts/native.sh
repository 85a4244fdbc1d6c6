#!/usr/bin/env bash
# The native build (the machine's clang): configures (once) and builds build-native/, the
# plain C++ core and the list file format with their tests, the fuzz targets and the native
# benchmark, all with AddressSanitizer and UndefinedBehaviorSanitizer.
#   scripts/native.sh [cmake --build arguments]   configure and build (all, or as asked)
#   scripts/native.sh test                        configure, build and run its ctest
#   VT_NATIVE_RELEASE=1 scripts/native.sh ...     the same tree unsanitized at -O3, in
#                                                 build-native-release/ (bench/native/run)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-native"
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ -n "${VT_NATIVE_RELEASE:-}" ]; then
    build="$root/build-native-release"
    options=(-DCMAKE_BUILD_TYPE=Release -DVT_SANITIZE=OFF)
fi
if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja "${options[@]}" >/dev/null
fi
if [ "${1:-}" = test ]; then
    cmake --build "$build"
    cd "$build"
    exec ctest --output-on-failure
fi
cmake --build "$build" "$@"
