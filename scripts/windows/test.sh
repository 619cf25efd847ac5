#!/usr/bin/env bash
# Builds the Windows game (scripts/windows/build.sh) and tests it under Wine on a virtual X
# server: the core's and the shell's unit tests built for Windows, then the real window
# (tests/win32/window_test.sh). ./test.sh runs this when VK_WINDOWS_TESTS=1 is set.
# WIN32_BUILD_DIR and LINUX_BUILD_DIR choose other build directories. Exits non-zero on failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${WIN32_BUILD_DIR:-$root/build-win32}
linux=${LINUX_BUILD_DIR:-$root/build}
case "$out" in /*) ;; *) out=$root/$out ;; esac
case "$linux" in /*) ;; *) linux=$root/$linux ;; esac
export WIN32_BUILD_DIR=$out LINUX_BUILD_DIR=$linux

"$root/scripts/windows/build.sh"
cmake --build "$out/cmake"
# The Linux headless picture to compare with, and the window dump comparer.
cmake --build "$linux" --target velkaros xwd_compare

prefix=$out/cmake/wineprefix
xvfb_pid=""
cleanup() {
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# The server picks a free display itself and writes its number once it accepts clients.
display_file=$out/xvfb-display
rm -f "$display_file"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>"$out/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not start: $(cat "$out/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$display_file")"

# A wave-out device that plays into nothing, so the audio output runs without a sound card.
printf '</usr/share/alsa/alsa.conf>\npcm.!default { type null }\n' >"$out/alsa-null.conf"
export ALSA_CONFIG_PATH=$out/alsa-null.conf

# A wineserver left from an earlier run would keep its old display.
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
# The first start makes the Wine prefix (slow), before the tests start side by side.
"$root/scripts/windows/wine-run.sh" "$prefix" cmd /c exit 0 >/dev/null 2>&1 || true

ctest --test-dir "$out/cmake" --output-on-failure -j2
bash "$root/tests/win32/window_test.sh" "$out/velkaros" "$linux/game/velkaros" \
    "$linux/tests/window/xwd_compare" "$prefix" "$out/window-test"
