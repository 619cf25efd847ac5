#!/usr/bin/env bash
# Installs the Debian packages of the Windows cross-build and its Wine tests, when any is
# missing, and makes Debian's source packages available (libpng is built from Debian's own
# source package). Kept apart from scripts/deps.sh so the default build never installs Wine.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/deps.sh

packages=(
    mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    libz-mingw-w64-dev dpkg-dev zip
    wine wine64 xvfb xauth x11-apps xdotool fonts-misaki locales
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Debian's source packages (libpng is built from Debian's own), from the Debian mirror this
# machine's apt sources already name.
# Without such a mirror deb-src.sh says so and the script stops here.
deb_src=$(scripts/deb-src.sh)
need_update=0
[ "$deb_src" = updated ] && need_update=1

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine takes the programs' ANSI code page from the locale: the game's texts need 932, which
# the Japanese locale gives.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    $sudo sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
