#!/usr/bin/env bash
# The desktop window under a virtual X server:
#  1. at scale 1 the window is the menu strip (12 rows) over the 256 x 224 picture, which equals
#     the headless picture of the same game folder, also after enlarging the window (white
#     beside the picture); Alt+H then V opens the About box, which
#     Return closes; F10 then X quits with exit code 0;
#  2. at scale 2 the same picture appears zoomed, and quitting through the menu with mouse
#     clicks exits with 0 too.
# Usage: window_test.sh VELKAROS XWD_COMPARE WORK_DIR
set -u
game=$1
compare=$2
work=$3
strip=12
title='ケルモラのラスト風バトルシステム'

. "$(dirname "$0")/x_session.sh" || exit 1
require_tools Xvfb xdotool xwd xwininfo

rm -rf "$work"
mkdir -p "$work/game"
printf 'SpecialArt normalAttack\n' >"$work/game/script.dat"

start_xvfb

"$game" --data "$work/game" --headless --frames 2 --screenshot "$work/headless.png" ||
    fail "headless run"

# Starts the game; sets game_pid and window.
start_game() {
    "$game" --data "$work/game" --mute "$@" >"$work/game.log" 2>&1 &
    game_pid=$!
    await_game_window "$work/game.log" ||
        fail "no window appeared for $*: $(xwininfo -root -children | tail -n +6)"
    local name
    name=$(xdotool getwindowname "$window")
    [ "$name" = "$title" ] || fail "window title is '$name'"
}

# Reads the window back until it shows the headless picture (the first frames may still come).
# The window is expected at its first size unless a width and height are given.
expect_picture() {
    local scale=$1
    local width=${2:-$((256 * scale))}
    local height=${3:-$(((224 + strip) * scale))}
    for _ in $(seq 30); do
        if xwd -silent -id "$window" -out "$work/window.xwd" 2>/dev/null &&
            "$compare" "$work/window.xwd" "$work/headless.png" 0 $((strip * scale)) "$scale" \
                "$width" "$height" >"$work/compare.log"; then
            return 0
        fi
        sleep 0.1
    done
    fail "window at scale $scale: $(cat "$work/compare.log")"
}

# Waits up to five seconds for the game to end and checks its exit code.
expect_exit_zero() {
    await_game_exit "$1"
    [ "$status" -eq 0 ] || fail "$1 ended the game with exit code $status: $(cat "$work/game.log")"
}

# Waits for the About box to come (shown) or go (gone); sets box to its window id.
expect_box() {
    for _ in $(seq 50); do
        box=$(xwininfo -root -children | grep -F '"バージョン情報"' | awk '{print $1}' | head -n 1)
        if [ "$1" = shown ] && [ -n "$box" ]; then
            return 0
        elif [ "$1" = gone ] && [ -z "$box" ]; then
            return 0
        fi
        sleep 0.1
    done
    fail "the About box was not $1"
}

start_game
expect_picture 1
# Enlarged, the window shows the same picture at 1:1 in its top-left corner, white elsewhere.
xdotool windowsize --sync "$window" 300 280 || fail "cannot resize the window"
expect_picture 1 300 280
xdotool windowfocus --sync "$window" || fail "cannot focus the window"
xdotool key alt+h
sleep 0.2
xdotool key v
expect_box shown
xdotool key --window "$box" Return
expect_box gone
kill -0 "$game_pid" 2>/dev/null || fail "the game ended with the About box"

xdotool windowfocus --sync "$window" || fail "cannot focus the window"
xdotool key F10
sleep 0.2
xdotool key x
expect_exit_zero "F10 then X"

start_game --scale 2
expect_picture 2
# The file title, then its first item just under the strip, in window pixels.
xdotool mousemove --window "$window" 12 10 click 1
sleep 0.2
xdotool mousemove --window "$window" 24 $((strip * 2 + 8)) click 1
expect_exit_zero "clicking File then Quit"

echo "PASS"
