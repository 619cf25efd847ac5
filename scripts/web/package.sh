#!/usr/bin/env bash
# Assembles a page folder from the browser program and a game folder:
#   scripts/web/package.sh PROGRAM_DIR GAME_FOLDER OUT
# PROGRAM_DIR holds velkaros.js and velkaros.wasm; of GAME_FOLDER only script.dat, image/ and
# sound/kelmora.wav are packed (at /game), with the 8-dot font where the desktop reads it.
# VK_FONT names another font file. The tests pack broken game folders the same way.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
program=$1
game=$2
out=$(realpath -m "$3")
font=${VK_FONT:-/usr/share/fonts/truetype/misaki/misaki_gothic.ttf}
packager=${EMSCRIPTEN_ROOT:-/usr/share/emscripten}/tools/file_packager.py

[ -f "$program/velkaros.wasm" ] || { echo "package.sh: no velkaros.wasm in $program" >&2; exit 1; }
[ -f "$font" ] || { echo "package.sh: no font at $font (Debian package fonts-misaki)" >&2; exit 1; }

rm -rf "$out"
mkdir -p "$out"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/game"
[ -f "$game/script.dat" ] && cp "$game/script.dat" "$stage/game/"
[ -d "$game/image" ] && cp -r "$game/image" "$stage/game/"
if [ -f "$game/sound/kelmora.wav" ]; then
    mkdir -p "$stage/game/sound"
    cp "$game/sound/kelmora.wav" "$stage/game/sound/"
fi
cp "$font" "$stage/font.ttf"

cp "$root/src/platform/web/index.html" "$root"/src/platform/web/*.js "$root"/src/platform/web/*.css \
    "$program/velkaros.js" "$program/velkaros.wasm" "$out/"
(cd "$stage" && python3 "$packager" "$out/velkaros.data" --preload "game@/game" \
    "font.ttf@/usr/share/fonts/truetype/misaki/misaki_gothic.ttf" \
    --js-output="$out/velkaros-data.js" 2>&1 >/dev/null | { grep -v FORCE_FILESYSTEM || true; } >&2)
