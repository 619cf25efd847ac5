#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Exits non-zero on failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
build=${BUILD_DIR:-build}
web_tests=OFF
[ "${VK_WEB_TESTS:-0}" = 1 ] && web_tests=ON
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK_WERROR=ON \
    -DVK_WEB_TESTS=$web_tests
cmake --build "$build"
# The browser build (emscripten, libraries from Debian's source packages, kept in build-web),
# played in headless Chromium by the web.Browser test below.
if [ "$web_tests" = ON ]; then
    LINUX_BUILD_DIR="$build" scripts/web/build.sh
fi
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
# The Windows cross-build and its tests under Wine: slow, and installs mingw-w64 and Wine.
if [ "${VK_WINDOWS_TESTS:-0}" = 1 ]; then
    LINUX_BUILD_DIR="$build" scripts/windows/test.sh
fi
# Every test again under the address and undefined-behaviour sanitizers, in build-asan.
if [ "${VK_SANITIZE:-0}" = 1 ]; then
    scripts/sanitize.sh
fi
# The unit tests built with clang as well, in build-clang: installs clang-14.
if [ "${VK_CLANG_TESTS:-0}" = 1 ]; then
    scripts/clang-tests.sh
fi
# The .deb built, installed with apt, played from an empty folder and purged: needs root (or
# sudo) and changes the system's packages, so only on a machine meant for it (CI).
if [ "${VK_DEB_TESTS:-0}" = 1 ]; then
    scripts/test-deb.sh
fi
