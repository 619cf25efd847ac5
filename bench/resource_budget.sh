#!/usr/bin/env bash
# Measures the desktop executable standing idle in the game's first screen under Xvfb: time to
# the first shown frame, CPU use over a window of seconds, wake-ups and resident memory.
#   bench/resource_budget.sh [--peer] [BUILD_DIR] [SECONDS]      (defaults: build, 10)
# --peer runs a LÖVE 11.4 program drawing the same kind of screen at 30 frames a second
# (bench/peer/, Debian package love) beside it, over the same seconds, and prints the ratio.
# Budget: first frame under 60 ms, under 1% of one core and a third of the peer, at most 31
# wake-ups a second, at most 20 MB resident.
set -euo pipefail
cd "$(dirname "$0")/.."
peer=0
if [ "${1:-}" = --peer ]; then
    peer=1
    shift
fi
build=${1:-build}
seconds=${2:-10}
exe="$build/game/velkaros"
[ -x "$exe" ] || { echo "no $exe: build the velkaros target first" >&2; exit 1; }
if [ "$peer" = 1 ]; then
    scripts/deps.sh love
fi

work=$(mktemp -d)
gcc -shared -fPIC -O2 -o "$work/probe.so" bench/first_present_probe.c -ldl

display=":$((90 + $$ % 100))"
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game=""
other=""
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    [ -n "$other" ] && kill "$other" 2>/dev/null || true
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
if [ "$peer" = 1 ]; then
    love bench/peer >/dev/null 2>&1 &
    other=$!
fi

sleep 2
# CPU ticks (user + system) of the whole process; voluntary context switches (the times a
# thread went to sleep and was woken again) of its main thread and of all its threads.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
mainSwitches() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$1/status"; }
allSwitches() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }
sample() { echo "$(ticks "$1") $(mainSwitches "$1") $(allSwitches "$1")"; }

read -r g0 gm0 ga0 < <(sample "$game")
[ "$peer" = 1 ] && read -r p0 pm0 pa0 < <(sample "$other")
sleep "$seconds"
read -r g1 gm1 ga1 < <(sample "$game")
[ "$peer" = 1 ] && read -r p1 pm1 pa1 < <(sample "$other")
hz=$(getconf CLK_TCK)

report() {  # name ticks main-switches all-switches pid
    awk -v n="$1" -v t="$2" -v hz="$hz" -v s="$seconds" -v m="$3" -v a="$4" 'BEGIN {
        printf "%s: cpu %.2f%% of one core over %d s; wake-ups %.1f per second (main thread), %.1f (all threads)\n",
            n, 100 * t / hz / s, s, m / s, a / s }'
    grep -E '^(VmRSS|VmHWM)' "/proc/$5/status" | sed "s/^/$1: /"
}
report velkaros "$((g1 - g0))" "$((gm1 - gm0))" "$((ga1 - ga0))" "$game"
if [ "$peer" = 1 ]; then
    report "peer (LÖVE)" "$((p1 - p0))" "$((pm1 - pm0))" "$((pa1 - pa0))" "$other"
    awk -v g="$((g1 - g0))" -v p="$((p1 - p0))" 'BEGIN {
        if (p > 0) printf "velkaros uses %.0f%% of the peer'"'"'s CPU time\n", 100 * g / p
        else print "the peer used no measurable CPU time" }'
fi
