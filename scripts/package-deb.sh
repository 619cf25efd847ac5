#!/usr/bin/env bash
# Builds the Debian package build-deb/velkaros_<version>_<arch>.deb: a release build with
# Debian's hardening flags, installed by `cmake --install` under /usr into a staging tree,
# stripped, with the library dependencies found by dpkg-shlibdeps, fonts-misaki, the copyright
# file and the changelog (packaging/debian/). lintian checks it: any error fails the script.
#   scripts/package-deb.sh            (prints the package's path last)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh dpkg-dev lintian
root=$PWD
out=$root/build-deb
build=$out/cmake
stage=$out/stage
work=$out/work
umask 022

version=$(dpkg-parsechangelog -l packaging/debian/changelog -SVersion)
project_version=$(sed -n 's/^project(Velkaros VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [ "$version" != "$project_version" ]; then
    echo "package-deb.sh: packaging/debian/changelog is at $version, the project at" \
        "$project_version: add a changelog entry" >&2
    exit 1
fi
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
# The same time stamp on every file of every build of this version.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/debian/changelog -STimestamp)
export SOURCE_DATE_EPOCH

# Debian's flags, as a package build would use them, with every hardening (immediate
# binding too); the build type adds none of its own.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Given on the command line, so a second run takes changed flags too.
cflags="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_C_FLAGS="$cflags" -DCMAKE_CXX_FLAGS="$cxxflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DVK_BUILD_TESTS=OFF -DVK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"

rm -rf "$stage" "$work"
DESTDIR=$stage cmake --install "$build" >/dev/null
# As dh_strip does: no symbols, no compiler notes.
strip --remove-section=.comment --remove-section=.note --strip-unneeded "$stage/usr/games/velkaros"
doc=$stage/usr/share/doc/velkaros
install -m 644 packaging/debian/copyright "$doc/copyright"
gzip -9n <packaging/debian/changelog >"$doc/changelog.gz"
gzip -9nf "$stage/usr/share/man/man6/velkaros.6"

# dpkg-shlibdeps and dpkg-gencontrol read the package's description from a debian/ folder.
mkdir -p "$work/debian" "$stage/DEBIAN"
cp packaging/debian/control packaging/debian/changelog "$work/debian/"
(
    cd "$work"
    dpkg-shlibdeps -Tdebian/substvars -e"$stage/usr/games/velkaros"
    dpkg-gencontrol -pvelkaros -P"$stage" -Tdebian/substvars
)
(cd "$stage" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum >DEBIAN/md5sums)
chmod 644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

deb=$out/velkaros_${version}_${arch}.deb
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "== lintian"
lintian --fail-on error --display-info "$deb"
echo "$deb"
