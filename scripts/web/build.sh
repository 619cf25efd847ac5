#!/usr/bin/env bash
# Builds the game for the browser with emscripten and assembles the page:
#   build-web/velkaros/          index.html, velkaros.js, velkaros.wasm, velkaros.data (the game
#                                folder and the font, loaded by velkaros-data.js)
#   build-web/velkaros-web.zip   the same folder, zipped for a game-hosting site
# zlib, libpng, FreeType and SDL are compiled from Debian's source packages into build-web/ once
# and kept. The game's content comes from the Linux build's game folder (build/game), built if
# needed, and so does the tool that stores the program's texts as Shift-JIS.
# WEB_BUILD_DIR and LINUX_BUILD_DIR choose other build directories.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
web=${WEB_BUILD_DIR:-$root/build-web}
linux=${LINUX_BUILD_DIR:-$root/build}
case "$web" in /*) ;; *) web=$root/$web ;; esac
case "$linux" in /*) ;; *) linux=$root/$linux ;; esac

"$root/scripts/web/deps.sh"
# Emscripten's optimiser needs Debian's acorn, which another node than Debian's does not find.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

"$root/scripts/web/libraries.sh" "$web"
source_dir() { find "$web/src/$1" -mindepth 2 -maxdepth 2 -name "$2" -printf '%h\n' | head -n 1; }

if [ ! -f "$linux/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK_WERROR=ON >/dev/null
fi
cmake --build "$linux" --target vk_cp932_table game_content desktop_icons

emcmake cmake -S "$root" -B "$web/game" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DVK_WERROR=ON \
    -DVK_WEB_DEPS="$web/deps" \
    -DVK_LIBPNG_SOURCE_DIR="$(source_dir libpng1.6 png.c)" \
    -DVK_CP932_TABLE="$linux/generated/Cp932Table.inc" >/dev/null
cmake --build "$web/game" --target velkaros

"$root/scripts/web/package.sh" "$web/game/game" "$linux/game" "$web/velkaros"
rm -f "$web/velkaros-web.zip"
(cd "$web/velkaros" && zip -qr "$web/velkaros-web.zip" .)
echo "Web page: $web/velkaros (scripts/web/serve.sh serves it)"
echo "Zip: $web/velkaros-web.zip"
