#!/usr/bin/env bash
# The Windows executable under Wine on a virtual X server (DISPLAY must be set):
#  1. on the shipped game folder, after 2 and after 60 frames (the eyes have moved by then), the window's client area equals
#     the Linux headless picture of the same frames (same seed, no input);
#  2. the About box opens from the Help menu and closes again, the game goes on;
#  3. Quit from the File menu ends the game with exit code 0;
#  4. a broken script.dat shows the error box, no game window, and exits with -1;
#  5. with a mod zip made here (the first enemy renamed, another face) and --lang en, the
#     first picture equals the Linux headless one with the same options, the title is
#     English, and the About box and Quit work through the English menu's letters;
#  6. as on a Windows outside Japan (ANSI code page 1252): the Japanese title, the first
#     picture, the About box's caption and Quit, all as under code page 932.
# Usage: window_test.sh GAME_FOLDER LINUX_VELKAROS XWD_COMPARE WINE_PREFIX WORK_DIR
set -u
game=$1
linux_game=$2
compare=$3
prefix=$4
work=$5
here=$(cd "$(dirname "$0")" && pwd)
run="$here/../../scripts/windows/wine-run.sh"
title='ケルモラのラスト風バトルシステム'  # the game window's, in the language being played

rm -rf "$work"
mkdir -p "$work"
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    WINEPREFIX=$prefix wineserver -k 2>/dev/null
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# Starts the Windows game in a folder; sets game_pid.
start_game() {
    local folder=$1
    shift
    (cd "$folder" && exec "$run" "$prefix" ./velkaros.exe "$@") >"$work/game.log" 2>&1 &
    game_pid=$!
}

# Waits for a visible window with the given name; sets window.
find_window() {
    window=""
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$window" ] && return 0
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended early: $(cat "$work/game.log")"
        sleep 0.1
    done
    fail "no window named '$1' appeared"
}

# Visible windows other than the game's own and Wine's input-method windows.
other_windows() {
    for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        local name
        name=$(xdotool getwindowname "$w" 2>/dev/null)
        [ "$name" != "$title" ] && [ "$name" != "Default IME" ] && echo "$w"
    done
}

# Waits up to ten seconds for the game to end; sets status.
wait_exit() {
    for _ in $(seq 100); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "$1 did not end the game"
    wait "$game_pid"
    status=$?
    game_pid=""
}

# The client area is the bottom 256 x 224 of the window (the menu bar lies above it). Further
# arguments go to both games.
expect_picture() {
    local frames=$1
    shift
    "$linux_game" --data "$game" --headless --seed 1 --frames "$frames" "$@" \
        --screenshot "$work/headless-$frames.png" || fail "headless run of $frames frames $*"
    start_game "$game" --seed 1 --frames "$frames" "$@"
    find_window "$title"
    for _ in $(seq 50); do
        if xwd -silent -id "$window" -out "$work/window.xwd" 2>/dev/null; then
            local size width height
            size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
            width=${size%x*}
            height=${size#*x}
            if "$compare" "$work/window.xwd" "$work/headless-$frames.png" $(((width - 256) / 2)) \
                $((height - 224)) 1 "$width" "$height" >"$work/compare.log" 2>&1; then
                return 0
            fi
        fi
        sleep 0.2
    done
    fail "the picture after $frames frames $*: $(cat "$work/compare.log")"
}

# The About box: Help (Alt+H), then the About item's letter; Return closes it.
check_about() {
    local letter=$1 caption=$2
    xdotool windowfocus --sync "$window" || fail "cannot focus the window"
    xdotool key --window "$window" alt+h
    sleep 0.5
    xdotool key "$letter"
    box=""
    for _ in $(seq 50); do
        box=$(other_windows | head -n 1)
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -n "$box" ] || fail "Help > About showed no box"
    [ "$(xdotool getwindowname "$box")" = "$caption" ] ||
        fail "the About box is called '$(xdotool getwindowname "$box")'"
    xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key Return
    for _ in $(seq 50); do
        [ -z "$(other_windows)" ] && break
        sleep 0.1
    done
    [ -z "$(other_windows)" ] || fail "the About box did not close"
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended with the About box"
}

# Quit: File (Alt+F), Quit (X in both languages); the game ends with 0.
check_quit() {
    xdotool windowfocus --sync "$window" || fail "cannot focus the window"
    xdotool key --window "$window" alt+f
    sleep 0.5
    xdotool key x
    wait_exit "File > Quit"
    [ "$status" -eq 0 ] || fail "File > Quit ended the game with $status: $(cat "$work/game.log")"
}

expect_picture 2
kill "$game_pid" 2>/dev/null
wait "$game_pid" 2>/dev/null
expect_picture 60

check_about v 'バージョン情報'
check_quit

# A data file with an unknown field: the error box, no window, exit code -1 (255).
mkdir -p "$work/broken"
cp -r "$game/velkaros.exe" "$game/image" "$game/sound" "$work/broken/"
printf 'SpecialArt normalAttack\nstrength 10\ncolour 3\n' >"$work/broken/script.dat"
start_game "$work/broken"
box=""
for _ in $(seq 300); do
    box=$(other_windows | head -n 1)
    [ -n "$box" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended without its error box"
    sleep 0.1
done
[ -n "$box" ] || fail "a broken script.dat showed no box"
[ -z "$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null)" ] ||
    fail "a broken script.dat opened the game window"
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key Return
wait_exit "closing the error box"
[ "$status" -eq 255 ] || fail "a broken script.dat ended the game with $status, not -1"

# A mod zip with script.dat, its first enemy renamed, and that enemy's face (named in another
# case, as a Windows zip may hold it), played in English: the picture shows the mod's name
# (untranslated) and face beside the English texts of lang/en.po.
mkdir -p "$work/mod/Image"
python3 - "$game/script.dat" "$work/mod/script.dat" <<'PY' || fail "cannot make the mod's script.dat"
import sys
data = open(sys.argv[1], "rb").read()
old = "name プルリン".encode("cp932")
assert data.count(old) == 1, "the first enemy is not プルリン"
open(sys.argv[2], "wb").write(data.replace(old, b"name Zipmod"))
PY
cp "$game/image/face_zam.png" "$work/mod/Image/Face_Pururin.PNG"
(cd "$work/mod" && zip -q ../mod.zip script.dat Image/Face_Pururin.PNG) || fail "cannot zip the mod"
title='Kelmora Battle System'
expect_picture 2 --mod "$work/mod.zip" --lang en
# Either option alone draws another picture, so the match shows the Windows game used both.
expect_other_picture() {
    "$linux_game" --data "$game" --headless --seed 1 --frames 2 "$@" \
        --screenshot "$work/only.png" || fail "headless run with $*"
    cmp -s "$work/only.png" "$work/headless-2.png" && fail "$* alone draws the same picture"
}
expect_other_picture --lang en
expect_other_picture --mod "$work/mod.zip"
check_about a 'About'
check_quit

export VK_WINE_LOCALE=C.UTF-8
title='ケルモラのラスト風バトルシステム'
expect_picture 2
check_about v 'バージョン情報'
check_quit

echo "PASS"
