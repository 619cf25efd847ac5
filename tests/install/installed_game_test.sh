#!/usr/bin/env bash
# The game as `cmake --install` lays it out, staged with DESTDIR under the prefix /usr:
#  tree:   every file in its place (executable, game folder, menu entry, each icon at its size,
#          AppStream entry, manual page, guides); the game played from an
#          empty folder shows what the build's game folder shows, also once the tree is moved;
#          a data file in the working folder wins; the build's own executable still needs one;
#  window: F12 in the installed game's window saves into the pictures folder of the desktop
#          (or home), says where, and writes nothing into the installed game folder, even for
#          a user who may write there.
# Usage: installed_game_test.sh tree|window BUILD_DIR WORK_DIR
set -u
part=$1
build=$2
work=$3

fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$work"
mkdir -p "$work/empty"
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    fail "cmake --install: $(cat "$work/install.log")"
usr=$work/stage/usr
game=$usr/games/velkaros
folder=$usr/share/games/velkaros

# What lies in the installed game folder, with a checksum of each file.
folder_state() {
    (cd "$folder" && find . -type f -print0 | sort -z | xargs -0 md5sum)
}

if [ "$part" = tree ]; then
    [ -x "$game" ] || fail "no executable $game"
    for file in script.dat sound/kelmora.wav image/borderlt.png image/goddamn5.png; do
        [ -s "$folder/$file" ] || fail "the game folder lacks $file"
    done
    [ -e "$folder/velkaros" ] && fail "the executable is in the game folder too"
    for file in applications/velkaros.desktop metainfo/velkaros.metainfo.xml man/man6/velkaros.6 \
        doc/velkaros/README.md doc/velkaros/docs/command-line.md; do
        [ -s "$usr/share/$file" ] || fail "share/$file is missing"
    done
    for size in 16 22 24 32 48 64 128 256; do
        icon=$usr/share/icons/hicolor/${size}x${size}/apps/velkaros.png
        [ -s "$icon" ] || fail "no icon at $size"
        # The PNG header holds width and height as 32-bit numbers at bytes 16 and 20.
        read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
            awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
        [ "$width x $height" = "$size x $size" ] || fail "icon $size is $width x $height"
    done

    before=$(folder_state)
    "$build/game/velkaros" --data "$build/game" --headless --frames 40 \
        --screenshot "$work/expected.png" || fail "the build's game"
    cd "$work/empty" || exit 1
    "$game" --headless --frames 40 --screenshot shot.png || fail "installed game, exit code $?"
    cmp -s shot.png "$work/expected.png" || fail "the installed game shows another picture"
    "$game" --check >"$work/check.log" || fail "--check of the installed data file"
    [ "$(ls)" = shot.png ] || fail "the empty folder got more than the screenshot: $(ls)"
    [ "$(folder_state)" = "$before" ] || fail "the installed game folder changed"

    # A modder's data file in the working folder wins, even a broken one.
    printf 'Player\nmaxHP x\n' >script.dat
    "$game" --headless >/dev/null 2>&1
    [ $? -eq 255 ] || fail "the working folder's broken script.dat was not the one loaded"
    "$game" --check >/dev/null 2>&1 && fail "--check took the installed data file"
    rm script.dat

    # The build tree keeps its behaviour: without a data file here, no game.
    "$build/game/velkaros" --headless >/dev/null 2>&1
    [ $? -eq 255 ] || fail "the build's executable found a data file outside its folder"

    # The tree moved elsewhere still finds its folder.
    mv "$work/stage/usr" "$work/moved"
    "$work/moved/games/velkaros" --headless --frames 40 --screenshot moved.png ||
        fail "the moved tree"
    cmp -s moved.png "$work/expected.png" || fail "the moved tree shows another picture"
    echo "ok: installed tree"
    exit 0
fi

# The window part: F12 under a virtual X server.
. "$(dirname "$0")/../window/x_session.sh" || exit 1
require_tools Xvfb xdotool
start_xvfb
before=$(folder_state)
export HOME=$work/home
mkdir -p "$HOME/.config" "$HOME/Bilder"
unset XDG_CONFIG_HOME
printf 'XDG_PICTURES_DIR="$HOME/Bilder"\n' >"$HOME/.config/user-dirs.dirs"
# The installed folder may be written by this user (root on CI): it must be left alone anyway.
[ -w "$folder" ] || echo "note: the installed folder is read-only for this user"

# Starts the installed game in the empty folder, presses F12, and waits for its message.
shoot() {
    cd "$work/empty" || exit 1
    "$game" --mute >"$work/game.log" 2>&1 &
    game_pid=$!
    await_game_window "$work/game.log" || fail "no window appeared"
    for _ in $(seq 20); do
        xdotool windowfocus --sync "$window" 2>/dev/null && break
        sleep 0.1
    done
    xdotool key F12
    for _ in $(seq 50); do
        grep -q 'saved the picture\|no screenshot' "$work/game.log" && break
        sleep 0.1
    done
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_pid=""
    grep -q 'saved the picture' "$work/game.log" || fail "no screenshot: $(cat "$work/game.log")"
}

shoot
shot=$(ls "$HOME/Bilder")
case $shot in velkaros-*.png) ;; *) fail "the pictures folder holds '$shot'" ;; esac
grep -qF "saved the picture as $HOME/Bilder/$shot (the installed game folder is only read)" \
    "$work/game.log" || fail "the game did not say where: $(cat "$work/game.log")"

# No pictures folder named: the home folder.
rm "$HOME/.config/user-dirs.dirs"
shoot
ls "$HOME"/velkaros-*.png >/dev/null 2>&1 || fail "nothing in the home folder: $(cat "$work/game.log")"
[ -z "$(ls "$work/empty")" ] || fail "the working folder got a file: $(ls "$work/empty")"
[ "$(folder_state)" = "$before" ] || fail "the installed game folder changed"
echo "ok: screenshots of the installed game"
