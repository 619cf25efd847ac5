#!/usr/bin/env bash
# Fetches Debian's source packages of zlib, libpng, FreeType, SDL and libzip into $web/src and
# compiles zlib, FreeType, SDL and libzip with emscripten into $web/deps (static, no tests, no docs). libpng is
# compiled by the game's own build from the unpacked source, as the Windows build does.
# What is already there is kept: a second run fetches and builds nothing.
#
#   scripts/web/libraries.sh WEB_BUILD_DIR
set -euo pipefail
web=$1
src=$web/src
deps=$web/deps
mkdir -p "$src" "$deps/include"
jobs=$(nproc)

# The unpacked tree of a source package: the folder holding the named file.
source_dir() { find "$src/$1" -mindepth 2 -maxdepth 2 -name "$2" -printf '%h\n' 2>/dev/null | head -n 1; }

fetch() {
    local package=$1 marker=$2
    if [ -z "$(source_dir "$package" "$marker")" ]; then
        rm -rf "${src:?}/$package"
        mkdir -p "$src/$package"
        echo "Fetching Debian's source package $package"
        (cd "$src/$package" && apt-get source -qq "$package" >/dev/null)
    fi
    [ -n "$(source_dir "$package" "$marker")" ] || {
        echo "libraries.sh: no $package source in $src/$package" >&2
        exit 1
    }
}

fetch zlib zlib.h
fetch libpng1.6 png.c
fetch freetype CMakeLists.txt
fetch libsdl2 CMakeLists.txt
fetch libzip CMakeLists.txt

# $1 name, $2 source folder, then the CMake options of that library.
build() {
    local name=$1 dir=$2
    shift 2
    local stamp=$deps/.$name-built
    if [ -f "$stamp" ]; then
        return
    fi
    echo "Building $name for the browser"
    rm -rf "${web:?}/build-$name"
    emcmake cmake -S "$dir" -B "$web/build-$name" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_INSTALL_PREFIX="$deps" "$@" >"$web/build-$name.log" 2>&1 ||
        { tail -n 30 "$web/build-$name.log" >&2; exit 1; }
    cmake --build "$web/build-$name" -j"$jobs" >>"$web/build-$name.log" 2>&1 &&
        cmake --install "$web/build-$name" >>"$web/build-$name.log" 2>&1 ||
        { tail -n 30 "$web/build-$name.log" >&2; exit 1; }
    rm -rf "${web:?}/build-$name"
    touch "$stamp"
}

# zlib: the static library and its headers only, built in a copy of the source.
if [ ! -f "$deps/.zlib-built" ]; then
    echo "Building zlib for the browser"
    rm -rf "${web:?}/build-zlib"
    cp -r "$(source_dir zlib zlib.h)" "$web/build-zlib"
    (cd "$web/build-zlib" && emconfigure ./configure --static --prefix="$deps" &&
        emmake make -j"$jobs" libz.a && emmake make install-libs) >"$web/build-zlib.log" 2>&1 ||
        { tail -n 30 "$web/build-zlib.log" >&2; exit 1; }
    cp "$web/build-zlib/zlib.h" "$web/build-zlib/zconf.h" "$deps/include/"
    rm -rf "${web:?}/build-zlib"
    touch "$deps/.zlib-built"
fi

# FreeType reads the one TrueType font file: no PNG glyphs, no shaping; its gzip support uses
# the zlib above, which libpng shares.
freetype_dir=$(source_dir freetype CMakeLists.txt)
build freetype "$freetype_dir" -DBUILD_SHARED_LIBS=OFF -DFT_REQUIRE_ZLIB=ON \
    -DZLIB_LIBRARY="$deps/lib/libz.a" -DZLIB_INCLUDE_DIR="$deps/include" \
    -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON

sdl_dir=$(source_dir libsdl2 CMakeLists.txt)
build sdl2 "$sdl_dir" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF

# libzip reads mod zips and writes the page's Download, over the zlib above: stored and
# deflated files only, no encryption, no tools. Its configure step runs test programs to size
# off_t and size_t, which emscripten's runner answers wrongly, so the sizes are given.
libzip_dir=$(source_dir libzip CMakeLists.txt)
build libzip "$libzip_dir" -DBUILD_SHARED_LIBS=OFF \
    -DZLIB_LIBRARY="$deps/lib/libz.a" -DZLIB_INCLUDE_DIR="$deps/include" \
    -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF \
    -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF \
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
    -DHAVE_SIZEOF_OFF_T=TRUE -DSIZEOF_OFF_T=8 -DHAVE_SIZEOF_SIZE_T=TRUE -DSIZEOF_SIZE_T=4
