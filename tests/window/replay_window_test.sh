#!/usr/bin/env bash
# A session in the desktop window, recorded and played back:
#  1. a player drives the shipped game with the keyboard (cursor keys, space, shift), the mouse
#     buttons and the wheel over the picture, and opens and leaves the menu strip, while the game
#     records the session (--record); closing the window ends the game with exit code 0, and the
#     replay holds every kind of input the game saw;
#  2. the replay played without a window ends on the very picture the window showed last;
#  3. the replay played in a window (--input) shows that picture too, whatever the live mouse
#     does meanwhile.
# Usage: replay_window_test.sh VELKAROS XWD_COMPARE WINDOW_CLOSE WORK_DIR
set -u
game=$1
compare=$2
close=$3
work=$4
folder=$(dirname "$game")
strip=12
title='ケルモラのラスト風バトルシステム'

. "$(dirname "$0")/x_session.sh" || exit 1
require_tools Xvfb xdotool xwd xwininfo
[ -f "$folder/script.dat" ] || { echo "FAIL: no game folder beside $game"; exit 1; }

rm -rf "$work"
mkdir -p "$work"
start_xvfb

# Starts the game in its folder; sets game_pid and window.
start_game() {
    "$game" --data "$folder" --mute "$@" >"$work/game.log" 2>&1 &
    game_pid=$!
    await_game_window "$work/game.log" || fail "no window appeared for $*"
    [ "$(xdotool getwindowname "$window")" = "$title" ] || fail "window title"
}

# A key held over several frames, as a player presses it (a tap between two frames is lost).
press() {
    xdotool keydown "$1"
    sleep 0.2
    xdotool keyup "$1"
    sleep 0.2
}

click() {
    xdotool mousedown "$1"
    sleep 0.2
    xdotool mouseup "$1"
    sleep 0.2
}

# Waits until two read-backs half a second apart agree; leaves the picture in $1.
settle() {
    for _ in $(seq 20); do
        xwd -silent -id "$window" -out "$work/a.xwd" 2>/dev/null || fail "cannot read the window"
        sleep 0.5
        xwd -silent -id "$window" -out "$1" 2>/dev/null || fail "cannot read the window"
        cmp -s "$work/a.xwd" "$1" && return 0
    done
    fail "the window never settled on one picture"
}

# Closes the window as its close box does and expects exit code 0 within five seconds.
close_window() {
    "$close" "$window" || fail "cannot ask the window to close"
    await_game_exit "closing the window"
    [ "$status" -eq 0 ] || fail "closing the window ended the game with $status: $(cat "$work/game.log")"
}

# 1. Play and record.
start_game --seed 7 --record "$work/session.replay"
xdotool windowfocus --sync "$window" || fail "cannot focus the window"
sleep 0.3
press space
press space
press space
xdotool mousemove --window "$window" 128 $((strip + 150))
sleep 0.2
xdotool click 5
sleep 0.2
xdotool click 4
sleep 0.2
click 1
press Right
press Left
press Down
press Up
press space
press shift
click 1
click 3
# The menu strip takes the keys while it is open; Escape gives them back.
xdotool key F10
sleep 0.2
xdotool key Right
sleep 0.2
xdotool key Escape
sleep 0.2
press space
press space
xdotool mousemove --window "$window" 40 $((strip + 100))
sleep 0.2
settle "$work/window.xwd"
close_window

replay=$work/session.replay
head -n 1 "$replay" | grep -qx 'velkaros-replay 1 seed 7' || fail "replay header: $(head -n 1 "$replay")"
for code in 0x26 0x28 0x25 0x27 0x20 0x10 0x01 0x02; do
    grep -q "keys .*$code" "$replay" || fail "the replay never saw key $code"
done
grep -qx '[0-9]* wheel 1' "$replay" || fail "the replay has no forward wheel notch"
grep -qx '[0-9]* wheel -1' "$replay" || fail "the replay has no backward wheel notch"
grep -qx '[0-9]* mouse 40 100' "$replay" || fail "the replay missed the pointer at (40, 100)"
tail -n 1 "$replay" | grep -qx '[0-9]* end' || fail "the replay has no end line"

# 2. Without a window: the same last picture.
"$game" --data "$folder" --headless --input "$replay" --screenshot "$work/replayed.png" ||
    fail "headless replay"
"$compare" "$work/window.xwd" "$work/replayed.png" 0 "$strip" 1 256 $((224 + strip)) ||
    fail "the window's last picture differs from the headless replay's"

# 3. In a window: the replay takes the keys and the pointer.
start_game --input "$replay"
xdotool mousemove --window "$window" 200 $((strip + 200)) click 5
# The replay takes about as long as the session did; a loaded machine may take longer.
shown=""
for _ in $(seq 120); do
    if xwd -silent -id "$window" -out "$work/window-replay.xwd" 2>/dev/null &&
        "$compare" "$work/window-replay.xwd" "$work/replayed.png" 0 "$strip" 1 256 \
            $((224 + strip)) >"$work/compare.log"; then
        shown=yes
        break
    fi
    sleep 0.5
done
[ -n "$shown" ] || fail "the replay in the window ended on another picture: $(cat "$work/compare.log")"
close_window

echo "PASS"
