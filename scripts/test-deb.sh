#!/usr/bin/env bash
# The .deb as a player meets it: built by scripts/package-deb.sh, installed with apt, the game
# played from /usr/games in an empty folder, then purged, leaving nothing behind. It changes
# the system's packages, so ./test.sh runs it only with VK_DEB_TESTS=1 (as CI does, as root).
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

deb=$(scripts/package-deb.sh | tee /dev/stderr | tail -n 1)
[ -f "$deb" ] || { echo "FAIL: no package built"; exit 1; }
work=$(mktemp -d)

purge() {
    $sudo apt-get purge -y -qq velkaros >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap purge EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

if dpkg-query -W -f='${Status}' velkaros 2>/dev/null | grep -q 'install ok installed'; then
    echo "note: velkaros was installed already; it is replaced and purged"
fi
$sudo apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    fail "apt-get install: $(cat "$work/apt.log")"
for file in /usr/games/velkaros /usr/share/games/velkaros/script.dat \
    /usr/share/applications/velkaros.desktop /usr/share/metainfo/velkaros.metainfo.xml \
    /usr/share/icons/hicolor/256x256/apps/velkaros.png /usr/share/man/man6/velkaros.6.gz \
    /usr/share/doc/velkaros/copyright /usr/share/doc/velkaros/changelog.gz; do
    [ -e "$file" ] || fail "the package did not install $file"
done
dpkg-query -W -f='${Depends}\n' velkaros | grep -q 'fonts-misaki' || fail "no fonts-misaki"

mkdir "$work/empty"
cd "$work/empty"
/usr/games/velkaros --version | grep -q 'Ver ' || fail "--version"
/usr/games/velkaros --check >"$work/check.log" || fail "--check: $(cat "$work/check.log")"
/usr/games/velkaros --headless --frames 40 --screenshot shot.png || fail "headless game"
head -c 8 shot.png | od -An -c | grep -q 'P   N   G' || fail "the screenshot is no PNG"
[ "$(ls)" = shot.png ] || fail "the working folder got more than the screenshot: $(ls)"
cd /
echo "ok: installed from the package and played"

$sudo apt-get purge -y -qq velkaros >"$work/purge.log" 2>&1 || fail "purge: $(cat "$work/purge.log")"
for left in /usr/games/velkaros /usr/share/games/velkaros /usr/share/doc/velkaros; do
    [ -e "$left" ] && fail "$left is still there after the purge"
done
echo "ok: purged"
