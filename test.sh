#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Exits non-zero on failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
# The Windows cross-build and its tests under Wine: slow, and installs mingw-w64 and Wine.
if [ "${VK_WINDOWS_TESTS:-0}" = 1 ]; then
    LINUX_BUILD_DIR="$build" scripts/windows/test.sh
fi
# Every test again under the address and undefined-behaviour sanitizers, in build-asan.
if [ "${VK_SANITIZE:-0}" = 1 ]; then
    scripts/sanitize.sh
fi
