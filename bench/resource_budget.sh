#!/usr/bin/env bash
# Measures the desktop executable standing idle in the game's first screen under Xvfb: time to
# the first shown frame, CPU use over a window of seconds, resident memory, and wake-ups.
#   bench/resource_budget.sh [BUILD_DIR] [SECONDS]      (defaults: build, 10)
# Budget: first frame under 200 ms, under 2% of one core, under 40 MB resident.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-10}
exe="$build/game/velkaros"
[ -x "$exe" ] || { echo "no $exe: build the velkaros target first" >&2; exit 1; }

work=$(mktemp -d)
gcc -shared -fPIC -O2 -o "$work/probe.so" bench/first_present_probe.c -ldl

display=":$((90 + $$ % 100))"
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    [ -n "${game:-}" ] && kill "$game" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

started=$(date +%s%N)
VK_FIRST_PRESENT_FILE="$work/first" LD_PRELOAD="$work/probe.so" \
    "$exe" --mute --data "$build/game" >/dev/null 2>&1 &
game=$!
for _ in $(seq 100); do [ -s "$work/first" ] && break; sleep 0.05; done
[ -s "$work/first" ] || { echo "no frame was presented within 5 s" >&2; exit 1; }
echo "first frame: $(( ($(cat "$work/first") - started) / 1000000 )) ms after start"

sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
switches() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$game/status"; }
t0=$(ticks); s0=$(switches)
sleep "$seconds"
t1=$(ticks); s1=$(switches)
hz=$(getconf CLK_TCK)
awk -v t="$((t1 - t0))" -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "cpu: %.2f%% of one core over %d s\n", 100 * t / hz / s, s }'
echo "wake-ups: $(( (s1 - s0) / seconds )) per second"
grep -E '^(VmRSS|VmHWM)' "/proc/$game/status"
