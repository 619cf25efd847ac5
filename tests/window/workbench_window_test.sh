#!/usr/bin/env bash
# The modder's workbench in the desktop window, under a virtual X server, on a copy of the
# shipped game folder started as a battle test (--ground 1 --hero 1, a still picture):
#  1. script.dat is edited while the game runs (the first enemy renamed); F5 shows the change:
#     the window equals the headless picture of the edited folder;
#  2. a broken edit (a syntax error) and F5 show the error box; once it is closed the game runs
#     on with the data it had, and so it does after a bad number (code 3, no box); then the
#     menu strip still works: F10 with a key held since before the box (still repeating) does
#     not take the repeats for a choice, and F10 then X quits;
#  3. with --watch, a changed picture (the first enemy's face) appears without a key press.
# Usage: workbench_window_test.sh VELKAROS XWD_COMPARE WINDOW_CLOSE WORK_DIR
set -u
game=$1
compare=$2
close=$3
work=$4
source_folder=$(dirname "$game")
folder=$work/game
strip=12

. "$(dirname "$0")/x_session.sh" || exit 1
require_tools Xvfb xdotool xwd xwininfo
[ -f "$source_folder/script.dat" ] || { echo "FAIL: no game folder beside $game"; exit 1; }

rm -rf "$work"
mkdir -p "$folder"
cp -r "$source_folder/script.dat" "$source_folder/image" "$folder/"
start_xvfb

# The headless picture of the battle test in the folder as it is now.
reference() {
    "$game" --data "$folder" --headless --ground 1 --hero 1 --screenshot "$work/$1.png" ||
        fail "headless run for $1"
}

start_game() {
    "$game" --data "$folder" --mute --ground 1 --hero 1 "$@" >"$work/game.log" 2>&1 &
    game_pid=$!
    await_game_window "$work/game.log" || fail "no window appeared for $*"
    xdotool windowfocus --sync "$window" 2>/dev/null
    sleep 0.3
}

# Waits up to the given seconds (default 5) for the window to show a reference picture.
expect_shows() {
    local tries=$((${2:-5} * 5))
    for _ in $(seq "$tries"); do
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$work/game.log")"
        if xwd -silent -id "$window" -out "$work/window.xwd" 2>/dev/null &&
            "$compare" "$work/window.xwd" "$work/$1.png" 0 "$strip" 1 256 $((224 + strip)) \
                >"$work/compare.log"; then
            return 0
        fi
        sleep 0.2
    done
    fail "the window does not show $1: $(cat "$work/compare.log")"
}

# The byte-wise edits of the Shift-JIS file: the first Enemy block's name, and the file its
# face picture is read from.
rename_first_enemy() {
    LC_ALL=C awk -v name="$1" '
        /^Enemy/ { enemy++ }
        enemy == 1 && !done && /^name / { print "name " name; done = 1; next }
        { print }' "$folder/script.dat" >"$work/edited.dat" && mv "$work/edited.dat" "$folder/script.dat"
}
first_enemy_face_file() {
    LC_ALL=C awk '
        /^Image / { image = $2 }
        /^src / { src[image] = $2 }
        /^Enemy/ { enemy++ }
        enemy == 1 && /^faceImage / { print src[$2]; exit }' "$folder/script.dat" | tr '\\' /
}

# Visible top-level windows other than the game's (an error box).
other_windows() {
    xwininfo -root -children | awk '/^ +0x/ {print $1}' | while read -r id; do
        [ "$((id))" -eq "$((window))" ] && continue
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
    done
}

# Closed through the close box.
quit_game() {
    "$close" "$window" || fail "cannot ask the window to close"
    await_game_exit "closing the window"
    [ "$status" -eq 0 ] || fail "closing the window ended the game with $status: $(cat "$work/game.log")"
}

# 1. An edit and F5.
reference before
start_game
expect_shows before
good=$work/good.dat
rename_first_enemy Slime
cp "$folder/script.dat" "$good"
reference after
cmp -s "$work/before.png" "$work/after.png" && fail "the edit does not change the picture"
xdotool key --window "$window" F5
expect_shows after
grep -q "read script.dat and its pictures again" "$work/game.log" || fail "no reload noted"

# 2. A syntax error: the box, then the old data; a bad number: no box, the old data.
printf 'Enemy\ncolour 3\n' >>"$folder/script.dat"
xdotool key --window "$window" F5
box=""
for _ in $(seq 50); do
    box=$(other_windows | head -n 1)
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "F5 on a broken file showed no error box"
sleep 0.3
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key --window "$box" Return
for _ in $(seq 50); do
    [ -z "$(other_windows)" ] && break
    sleep 0.1
done
grep -q "colour 3" "$work/game.log" || fail "the report is not on stderr: $(cat "$work/game.log")"
expect_shows after
# With the box gone and no window manager the game's window has no focus; an X held down now
# repeats, and F10 sent to the window opens the menu while the repeats go on. They once
# chose Quit at once.
xdotool keydown x
sleep 1
xdotool key --window "$window" F10
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "F10 with X held since before ended the game"
xdotool keyup x
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key Escape
cp "$good" "$folder/script.dat"
printf 'Enemy\nmaxHP 12x\n' >>"$folder/script.dat"
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --window "$window" F5
sleep 0.5
[ -z "$(other_windows)" ] || fail "code 3 showed a box"
grep -q "maxHP 12x" "$work/game.log" || fail "the code 3 report is not on stderr"
expect_shows after
# Keys through the focus, not sent to the window: the X that quits is let go after the window
# is gone, which a key sent to the window cannot be (the X server would keep it held).
xdotool key F10
sleep 0.2
xdotool key x
await_game_exit "F10 then X"
[ "$status" -eq 0 ] || fail "F10 then X ended the game with $status: $(cat "$work/game.log")"

# 3. --watch sees a changed picture by itself.
cp "$good" "$folder/script.dat"
start_game --watch
expect_shows after
face=$(first_enemy_face_file)
[ -f "$folder/$face" ] || fail "cannot find the first enemy's face ($face)"
cp "$folder/image/face_mina.png" "$folder/$face"
reference watched
cmp -s "$work/after.png" "$work/watched.png" && fail "the new face does not change the picture"
expect_shows watched 10
quit_game

echo "PASS"
