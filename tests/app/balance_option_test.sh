#!/usr/bin/env bash
# The game executable's --balance: the tables on standard output, nothing else on a pipe, a
# progress line on a terminal, the exit codes of a bad count and of a folder without a game.
#   balance_option_test.sh VELKAROS GAME_FOLDER WORK_DIR
set -euo pipefail
game=$1 folder=$2 work=$3
rm -rf "$work"
mkdir -p "$work/empty"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$game" --data "$folder" --balance 3 --seed 5 >"$work/out" 2>"$work/err" || fail "--balance 3 exited with $?"
grep -q '^strategy smart: 3 games' "$work/out" || fail "no smart table: $(cat "$work/out")"
grep -q '^strategy careless: 3 games' "$work/out" || fail "no careless table"
[ "$(grep -c '^    hero  battles' "$work/out")" = 2 ] || fail "no hero lines in both tables"
[ -s "$work/err" ] && fail "standard error is not a terminal, yet: $(cat "$work/err")"

# Seeds 5 to 7 played again from seed 5 give the same tables.
"$game" --data "$folder" --balance 3 --seed 5 >"$work/again" 2>/dev/null
cmp -s "$work/out" "$work/again" || fail "the same seeds gave other tables"

# On a terminal (script gives the game one) the progress line counts the games.
script -qec "'$game' --data '$folder' --balance 2 >'$work/tty-out'" /dev/null >"$work/tty" ||
    fail "--balance on a terminal exited with $?"
grep -q 'smart: 2 of 2 games' "$work/tty" || fail "no progress line on a terminal: $(cat -A "$work/tty")"
grep -q 'of 2 games' "$work/tty-out" && fail "the progress line went into standard output"

set +e
"$game" --data "$folder" --balance 0 >/dev/null 2>"$work/err"
status=$?
set -e
[ "$status" = 2 ] || fail "--balance 0 exited with $status, not 2"
grep -q 'number of games from 1 to 100000' "$work/err" || fail "no message for --balance 0"

set +e
"$game" --data "$work/empty" --balance 1 >"$work/out" 2>"$work/err"
status=$?
set -e
[ "$status" = 255 ] || fail "a folder without script.dat exited with $status, not 255"
[ -s "$work/out" ] && fail "tables without a data file"
echo "balance option: ok"
