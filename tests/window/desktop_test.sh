#!/usr/bin/env bash
# The desktop comforts under a virtual X server of 1280 x 1024 with a window manager (SDL asks
# the window manager for fullscreen; without one the request goes unanswered):
#  1. F9 cycles the window's zoom 1x, 2x, 3x, 4x (the largest that fits the screen with the
#     window's frame) and back to 1x; at each step the window is exactly that size and shows
#     the headless picture with every pixel a sharp square block at the top-left corner;
#  2. F12 writes the game's 256 x 224 picture (not the zoomed window) as a new PNG in the game
#     folder, says so on standard output, and the file equals the headless picture; a second
#     shot never takes the first one's name;
#  3. F11 makes the window cover the screen, the picture at the largest whole zoom (4x)
#     centred on black; Alt+Enter gives back the 1x window.
# Quitting is window_test.sh's business; here the game is ended at the end.
# Usage: desktop_test.sh VELKAROS XWD_COMPARE XWD_FRAMED WORK_DIR
set -u
game=$1
compare=$2
framed=$3
work=$4
strip=12
screen_width=1280
screen_height=1024

. "$(dirname "$0")/x_session.sh" || exit 1
require_tools Xvfb xdotool xwd xwininfo openbox

rm -rf "$work"
mkdir -p "$work/game"
printf 'SpecialArt normalAttack\n' >"$work/game/script.dat"

start_xvfb "${screen_width}x${screen_height}"

"$game" --data "$work/game" --headless --frames 2 --screenshot "$work/headless.png" ||
    fail "headless run"

# The window manager runs from the start, so it never reparents the window during the test.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    fail "the window manager did not start: $(cat "$work/openbox.log")"

"$game" --data "$work/game" --mute >"$work/game.log" 2>&1 &
game_pid=$!
await_game_window "$work/game.log" || fail "no window appeared"

# Sends keys to the game window, focused first.
keys() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$work/game.log")"
    for _ in $(seq 10); do
        xdotool windowfocus --sync "$window" 2>/dev/null && break
        sleep 0.1
    done
    xdotool windowfocus --sync "$window" || fail "cannot focus the window"
    xdotool key "$@"
}

# Reads the window back until it shows what the comparer named in $1 expects (the resize and
# the next frame may take a moment); the remaining arguments go to the comparer.
expect_window() {
    local what=$1
    shift
    for _ in $(seq 30); do
        if xwd -silent -id "$window" -out "$work/window.xwd" 2>/dev/null &&
            "$@" >"$work/compare.log"; then
            return 0
        fi
        sleep 0.1
    done
    fail "$what: $(cat "$work/compare.log")"
}

# The window at a zoom, picture at the top-left corner under the strip, white beside it.
expect_zoom() {
    local scale=$1
    expect_window "window at zoom $scale" "$compare" "$work/window.xwd" "$work/headless.png" \
        0 $((strip * scale)) "$scale" $((256 * scale)) $(((224 + strip) * scale))
}

expect_zoom 1
for scale in 2 3 4 1; do
    keys F9
    expect_zoom "$scale"
done

# Screenshots, taken at zoom 2: still the 256 x 224 picture.
keys F9
expect_zoom 2
keys F12 F12
shots=()
for _ in $(seq 50); do
    mapfile -t shots < <(sed -n 's/^velkaros: saved the picture as //p' "$work/game.log")
    [ ${#shots[@]} -ge 2 ] && break
    sleep 0.1
done
[ ${#shots[@]} -eq 2 ] || fail "F12 twice said: $(cat "$work/game.log")"
[ "${shots[0]}" != "${shots[1]}" ] || fail "two screenshots share the name ${shots[0]}"
for shot in "${shots[@]}"; do
    [[ "$shot" =~ ^velkaros-[0-9]{8}-[0-9]{6}(-[0-9]+)?\.png$ ]] || fail "screenshot name $shot"
    "$framed" "$work/game/$shot" "$work/headless.png" 0 0 1 256 224 >"$work/compare.log" ||
        fail "screenshot $shot: $(cat "$work/compare.log")"
done
for scale in 3 4 1; do
    keys F9
    expect_zoom "$scale"
done

# The strip and picture (256 x 236) at the largest zoom that fits, centred; black around.
scale=4
block_width=$((256 * scale))
block_height=$(((224 + strip) * scale))
left=$(((screen_width - block_width) / 2))
top=$(((screen_height - block_height) / 2))
keys F11
expect_window "fullscreen" "$framed" "$work/window.xwd" "$work/headless.png" \
    "$left" $((top + strip * scale)) "$scale" "$screen_width" "$screen_height" \
    "$left" "$top" $((left + block_width)) $((top + block_height))
keys alt+Return
expect_zoom 1

echo "PASS"
