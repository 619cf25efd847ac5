#!/usr/bin/env bash
# Installs the Debian packages of the web build and its browser tests, when any is missing, and
# makes Debian's source packages available: zlib, libpng, FreeType and SDL are compiled for the
# browser from Debian's own source packages (emscripten's downloaded "ports" are never used).
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/deps.sh emscripten chromium node-acorn dpkg-dev zip python3

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
# Without a Debian mirror in the apt sources deb-src.sh says so and the script stops here.
if [ "$(scripts/deb-src.sh)" = updated ]; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get update -qq
fi
