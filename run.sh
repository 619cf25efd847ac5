#!/usr/bin/env bash
# Installs what is missing, makes a release build and starts the game in its game folder.
# Any arguments are passed to the game (try --help).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVK_BUILD_TESTS=OFF -DVK_BUILD_BENCH=OFF >/dev/null
cmake --build build-release
exec build-release/game/velkaros --data build-release/game "$@"
