#!/usr/bin/env bash
# Builds the game and its tests with clang (Debian's clang-14) in build-clang (or
# $CLANG_BUILD_DIR) and runs the tests, so code that only GCC accepts is caught early.
#   scripts/clang-tests.sh            # configure, build, run the tests
#   scripts/clang-tests.sh -R Menu    # extra arguments go to ctest
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh clang-14
build=${CLANG_BUILD_DIR:-build-clang}
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVK_WERROR=ON -DVK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"
