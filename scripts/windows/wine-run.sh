#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix: wine-run.sh PREFIX PROGRAM [ARGS...]
# The prefix is made on first use (wineboot takes a while the first time), with the game font
# "ＭＳ ゴシック" mapped to Misaki Gothic (fonts-misaki) and font smoothing off, so that text
# comes out as the Linux shells draw it. The Japanese locale gives the programs the ANSI code
# page 932 of the game's texts; VK_WINE_LOCALE names another, to run them as on a Windows
# outside Japan (C.UTF-8, always installed: Wine takes it as English, code page 1252).
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
export LANG=${VK_WINE_LOCALE:-ja_JP.UTF-8}
export LC_ALL=$LANG

make_prefix() {
    [ -f "$WINEPREFIX/.velkaros-ready" ] && return 0
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    local substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    wine reg add "$substitutes" /v 'ＭＳ ゴシック' /d MisakiGothic /f >/dev/null 2>&1
    wine reg add "$substitutes" /v 'MS UI Gothic' /d MisakiGothic /f >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /d 0 /f >/dev/null 2>&1
    wineserver --wait || true
    touch "$WINEPREFIX/.velkaros-ready"
}

# Programs started side by side (ctest -j) make the prefix only once.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
make_prefix
flock -u 9
exec 9>&-
exec wine "$@"
