#!/usr/bin/env bash
# A broken data file as a player meets it, under a virtual X server:
#  1. an undefined name (error code 1) and a syntax error (code 2) each show a message box,
#     titled "エラー" as a Windows box without a caption,
#     with the report and open no game window; dismissing the box with Return ends the game
#     with -1 (255), and the report also reaches the standard error stream;
#  2. a bad number (code 3) shows no box at all: the report goes to the standard error stream
#     and the game ends with -1 at once.
# Usage: data_error_window_test.sh VELKAROS WORK_DIR
set -u
game=$1
work=$2
title='ケルモラのラスト風バトルシステム'

. "$(dirname "$0")/x_session.sh" || exit 1
require_tools Xvfb xdotool xwd xwininfo

rm -rf "$work"
mkdir -p "$work"
start_xvfb

# Visible top-level windows: "id width height name" lines.
windows() {
    xwininfo -root -children | awk '/^ +0x/ {print $1}' | while read -r id; do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || continue
        local size name
        size=$(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
        name=$(xdotool getwindowname "$id" 2>/dev/null)
        echo "$id $size $name"
    done
}

# A folder whose script.dat holds the given text; starts the game in it.
start_broken() {
    local name=$1
    mkdir -p "$work/$name"
    printf "$2" >"$work/$name/script.dat"
    "$game" --data "$work/$name" --mute >"$work/$name.out" 2>"$work/$name.err" &
    game_pid=$!
}

# Codes 1 and 2: a box, no game window, -1 after Return.
expect_box() {
    local name=$1 line=$2
    start_broken "$name" "$3"
    box=""
    for _ in $(seq 100); do
        box=$(windows | head -n 1)
        [ -n "$box" ] && break
        kill -0 "$game_pid" 2>/dev/null || fail "$name: the game ended without its error box"
        sleep 0.1
    done
    [ -n "$box" ] || fail "$name: no message box appeared"
    read -r id width height boxname <<<"$box"
    [ "$(windows | wc -l)" -eq 1 ] || fail "$name: more than the box is open: $(windows)"
    [ "$boxname" != "$title" ] || fail "$name: the game window opened"
    # Titled as a Windows box without a caption of its own.
    [ "$boxname" = 'エラー' ] || fail "$name: the box is titled '$boxname', not 'エラー'"
    [ "$width" -ge 100 ] && [ "$height" -ge 40 ] || fail "$name: a box of ${width}x$height"
    # The box shows something: its picture is not one flat colour.
    xwd -silent -id "$id" -out "$work/$name.xwd" || fail "$name: cannot read the box back"
    [ "$(tail -c +2000 "$work/$name.xwd" | od -An -tx4 -v | tr -s ' ' '\n' | sort -u | wc -l)" -gt 2 ] ||
        fail "$name: the box is empty"
    sleep 0.3
    xdotool windowfocus --sync "$id" 2>/dev/null
    xdotool key --window "$id" Return
    await_game_exit "$name: Return in the box"
    [ "$status" -eq 255 ] || fail "$name: ended with $status, not -1 (255)"
    grep -q "^$line行目にエラー" "$work/$name.err" ||
        fail "$name: the report on stderr lacks line $line: $(cat "$work/$name.err")"
}

expect_box undefined 2 'SpecialArt normalAttack\nanimation nowhere\n'
expect_box syntax 3 'SpecialArt normalAttack\nstrength 10\ncolour 3\n'

# Code 3: no box, the report on stderr, -1 at once.
start_broken number 'SpecialArt normalAttack\nstrength ten\n'
await_game_exit "a bad number"
[ "$status" -eq 255 ] || fail "a bad number ended the game with $status, not -1 (255)"
[ -z "$(windows)" ] || fail "a bad number opened a window: $(windows)"
grep -q '^エラーコード 3' "$work/number.err" || fail "no code 3 report on stderr: $(cat "$work/number.err")"
grep -q '^2行目にエラー : strength ten' "$work/number.err" ||
    fail "the code 3 report lacks its line: $(cat "$work/number.err")"

echo "PASS"
