# Shared set-up of the real-window tests, sourced by them: a virtual X server on a free
# display, the clean-up when the script ends, and the game's window found by its process.
# The sourcing script sets work (its work folder) before calling these; game_pid, xvfb_pid and
# wm_pid name what the clean-up ends.

xvfb_pid=""
game_pid=""
wm_pid=""

# Ends the game, the window manager and the X server, whichever were started.
x_session_cleanup() {
    # A game stuck in a modal box may not answer TERM.
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap x_session_cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# Skips the test (exit code 77) unless every named tool is installed.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (scripts/deps.sh installs it)"
            exit 77
        fi
    done
}

# Starts Xvfb with a screen of the given size (1024x768 unless given) and exports DISPLAY;
# skips the test (exit code 77) when the server does not come up.
start_xvfb() {
    local size=${1:-1024x768}
    # The server picks a free display itself and writes its number once it accepts clients. It
    # must not reset when its last client leaves: a game starting during a reset finds no
    # display.
    Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp \
        3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    if [ ! -s "$work/display" ]; then
        echo "SKIP: Xvfb did not start: $(cat "$work/xvfb.log")"
        exit 77
    fi
    export DISPLAY=":$(head -n 1 "$work/display")"
}

# Waits up to ten seconds for a visible window of the game (game_pid); sets window and returns
# 1 when none came. Fails, with the log file given, when the game ends first.
await_game_window() {
    local log=$1
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1)
        [ -n "$window" ] && return 0
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended at start: $(cat "$log")"
        sleep 0.1
    done
    return 1
}

# Waits up to five seconds for the game (game_pid) to end; fails naming what should have ended
# it, else sets status to its exit code.
await_game_exit() {
    for _ in $(seq 50); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "$1 did not end the game"
    wait "$game_pid"
    status=$?
    game_pid=""
}
