#!/usr/bin/env bash
# Instructions one frame of the first screen costs (update and draw, Game::frame): callgrind
# counts them over two headless runs of different length, nothing pressed, and the difference
# is divided by the difference in frames, so start-up and shut-down cancel out.
#   bench/frame_instructions.sh [BUILD_DIR] [FRAMES_A] [FRAMES_B]   (defaults: build-rel, 30, 90)
# Goal: at most 100 000 instructions a frame.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-rel}
short=${2:-30}
long=${3:-90}
exe="$build/game/velkaros"
[ -x "$exe" ] || { echo "no $exe: build the velkaros target first" >&2; exit 1; }
scripts/deps.sh valgrind
[ "$long" -gt "$short" ] || { echo "the second run must have more frames" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Instructions spent inside Game::frame over a headless run of $1 frames.
count() {
    valgrind --tool=callgrind --callgrind-out-file="$work/out.$1" \
        --toggle-collect='Game::frame(KeySource const&)' \
        "$exe" --headless --frames "$1" --data "$build/game" >/dev/null 2>"$work/log.$1" ||
        { cat "$work/log.$1" >&2; exit 1; }
    awk '/^summary:/ {print $2}' "$work/out.$1"
}

a=$(count "$short")
b=$(count "$long")
echo "frames $short: $a instructions in Game::frame"
echo "frames $long: $b instructions in Game::frame"
echo "per frame: $(( (b - a) / (long - short) )) instructions"
