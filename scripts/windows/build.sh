#!/usr/bin/env bash
# Cross-builds the Windows game with mingw-w64 and assembles a portable folder:
#   build-win32/velkaros/            velkaros.exe, script.dat, image\, sound\, lang\
#   build-win32/velkaros-win64.zip   the same folder, zipped
# The game's content comes from the Linux build's game folder (build/game), built if needed.
# WIN32_BUILD_DIR and LINUX_BUILD_DIR choose other build directories.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${WIN32_BUILD_DIR:-$root/build-win32}
linux=${LINUX_BUILD_DIR:-$root/build}
case "$out" in /*) ;; *) out=$root/$out ;; esac
case "$linux" in /*) ;; *) linux=$root/$linux ;; esac

"$root/scripts/windows/deps.sh"

# libpng from Debian's own source package, fetched and unpacked once.
png_source() { find "$out/libpng" -mindepth 2 -maxdepth 2 -name png.c -printf '%h\n' 2>/dev/null | head -n 1; }
if [ -z "$(png_source)" ]; then
    mkdir -p "$out/libpng"
    (cd "$out/libpng" && apt-get source -qq libpng1.6)
fi
png_dir=$(png_source)
[ -n "$png_dir" ] || { echo "build.sh: no libpng source in $out/libpng" >&2; exit 1; }

# libzip (the mod zips) from Debian's source package too, built once with its own CMake files
# over libz-mingw-w64-dev's zlib: stored and deflated files only, no encryption, no tools.
libzip=$out/libzip-install
if [ ! -f "$libzip/lib/libzip.a" ]; then
    zip_source() { find "$out/libzip" -mindepth 2 -maxdepth 2 -name CMakeLists.txt -printf '%h\n' 2>/dev/null | head -n 1; }
    if [ -z "$(zip_source)" ]; then
        mkdir -p "$out/libzip"
        (cd "$out/libzip" && apt-get source -qq libzip)
    fi
    zip_dir=$(zip_source)
    [ -n "$zip_dir" ] || { echo "build.sh: no libzip source in $out/libzip" >&2; exit 1; }
    cmake -S "$zip_dir" -B "$out/libzip-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$libzip" -DBUILD_SHARED_LIBS=OFF \
        -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF \
        -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF \
        -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF >/dev/null
    cmake --build "$out/libzip-build" >/dev/null
    cmake --install "$out/libzip-build" >/dev/null
    rm -rf "$out/libzip-build"
fi

# The Linux build draws the content and writes the code page 932 table every platform shares.
if [ ! -f "$linux/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$linux" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK_WERROR=ON >/dev/null
fi
cmake --build "$linux" --target game_content vk_cp932_table

cmake -S "$root" -B "$out/cmake" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK_WERROR=ON -DVK_LIBPNG_SOURCE_DIR="$png_dir" \
    -DVK_CP932_TABLE="$linux/generated/Cp932Table.inc" -DVK_LIBZIP_DIR="$libzip" >/dev/null
cmake --build "$out/cmake" --target velkaros

folder=$out/velkaros
rm -rf "$folder" "$out/velkaros-win64.zip"
mkdir -p "$folder"
x86_64-w64-mingw32-strip -o "$folder/velkaros.exe" "$out/cmake/game/velkaros.exe"
cp "$linux/game/script.dat" "$folder/"
cp -r "$linux/game/image" "$linux/game/sound" "$linux/game/lang" "$folder/"
(cd "$out" && zip -qr velkaros-win64.zip velkaros)
echo "Windows game folder: $folder"
echo "Zip: $out/velkaros-win64.zip"
