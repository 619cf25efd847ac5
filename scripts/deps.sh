#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when any is missing.
# Scripts that need more name the extra packages: scripts/deps.sh clang-14 lintian
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libpng-dev zlib1g-dev libzip-dev libfreetype-dev libsdl2-dev fonts-misaki
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-apps x11-utils xfonts-base openbox
    desktop-file-utils appstream man-db gettext
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
