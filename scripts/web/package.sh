#!/usr/bin/env bash
# Assembles a page folder from the browser program and a game folder:
#   scripts/web/package.sh PROGRAM_DIR GAME_FOLDER OUT
# PROGRAM_DIR holds velkaros.js and velkaros.wasm; of GAME_FOLDER script.dat, image/ and lang/
# are packed (at /game), with the 8-dot font where the desktop reads it. The music,
# sound/kelmora.wav, stays a file of its own beside the page, which loads it after the first
# picture. The desktop icon drawn at 192 and 512 pixels (ICON_DIR, default the icons/ folder
# beside GAME_FOLDER, as in the Linux build) is the installed page's icon. Last, the service
# worker (sw.js) is given the list of every file in OUT and a version made from their contents.
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
[ -d "$game/lang" ] && cp -r "$game/lang" "$stage/game/"
cp "$font" "$stage/font.ttf"

# The page: index.html with its scripts and style sheets, then the program.
page=$root/src/platform/web
shopt -s nullglob
cp "$page"/*.html "$page"/*.js "$page"/*.css "$page"/*.json "$program/velkaros.js" \
    "$program/velkaros.wasm" "$out/"
icons=${ICON_DIR:-$(dirname "$(realpath -m "$game")")/icons}
for size in 192 512; do
    if [ -f "$icons/velkaros-$size.png" ]; then
        cp "$icons/velkaros-$size.png" "$out/icon-$size.png"
    fi
done
if [ -f "$game/sound/kelmora.wav" ]; then
    mkdir -p "$out/sound"
    cp "$game/sound/kelmora.wav" "$out/sound/"
fi
(cd "$stage" && python3 "$packager" "$out/velkaros.data" --preload "game@/game" \
    "font.ttf@/usr/share/fonts/truetype/misaki/misaki_gothic.ttf" \
    --js-output="$out/velkaros-data.js" 2>&1 >/dev/null | { grep -v FORCE_FILESYSTEM || true; } >&2)

# The service worker keeps every file of the folder, whoever added it.
python3 - "$out" <<'EOF'
import hashlib, json, os, sys
out = sys.argv[1]
names = sorted(os.path.relpath(os.path.join(folder, name), out)
               for folder, _, files in os.walk(out) for name in files)
names = [name for name in names if name != "sw.js"]
digest = hashlib.sha256()
for name in names:
    digest.update(name.encode() + b"\0")
    with open(os.path.join(out, name), "rb") as f:
        digest.update(f.read())
path = os.path.join(out, "sw.js")
with open(path, encoding="utf-8") as f:
    text = f.read()
marks = ('const files = ["./"];', 'const version = "source";')
if not all(mark in text for mark in marks):
    sys.exit("package.sh: sw.js lacks the lines for its file list and version")
text = text.replace(marks[0], "const files = " + json.dumps(["./"] + names) + ";")
text = text.replace(marks[1], 'const version = "' + digest.hexdigest()[:16] + '";')
with open(path, "w", encoding="utf-8") as f:
    f.write(text)
EOF
