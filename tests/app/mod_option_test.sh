#!/usr/bin/env bash
# The game executable's --mod: a mod named from where the program starts lies over the game
# folder of --data for --check and a headless run; a refused zip is one line and exit code 1.
#   mod_option_test.sh VELKAROS GAME_FOLDER WORK_DIR
set -euo pipefail
game=$1 folder=$2 work=$3
rm -rf "$work"
mkdir -p "$work/mod/image"
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

# A mod folder holding a broken data file: --check reads the mod's, not the game's.
printf 'Player\nname x\nbogus line\n' >mod/script.dat
set +e
"$game" --data "$folder" --mod mod --check >out 2>err
status=$?
set -e
[ "$status" = 1 ] || fail "--check of the mod's broken data file exited with $status, not 1"
grep -q 'bogus' out || fail "no report of the mod's line: $(cat out)"

# Without the data file, the mod's one picture changes the first picture and nothing else.
rm mod/script.dat
"$game" --data "$folder" --headless --frames 2 --screenshot base.png 2>/dev/null
cp "$folder/image/borderlt.png" mod/image/borderlt.png
"$game" --data "$folder" --mod mod --headless --frames 2 --screenshot same.png 2>/dev/null
cmp -s base.png same.png || fail "a mod of the game's own picture changed the picture"

# Not a zip: one line naming it, exit code 1, nothing played.
echo "not a zip" >broken.zip
set +e
"$game" --data "$folder" --mod broken.zip --headless --screenshot none.png >out 2>err
status=$?
set -e
[ "$status" = 1 ] || fail "a broken zip exited with $status, not 1"
[ "$(wc -l <err)" = 1 ] || fail "not one line: $(cat err)"
grep -q '^velkaros: broken.zip: not a zip' err || fail "the line does not name the zip: $(cat err)"
[ -e none.png ] && fail "a refused mod still played"
echo "mod option: ok"
