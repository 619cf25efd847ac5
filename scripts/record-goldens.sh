#!/usr/bin/env bash
# Records the golden playthroughs again after a deliberate change of the game or its content:
# the auto-player plays a won game and a lost one (tests/golden/playthroughs/*.replay, with the
# frames worth a picture in *.shots), then the game executable plays each replay without a
# window and writes those pictures (tests/golden/playthroughs/NAME/*.png); NAME.LL.shots lists
# pictures of NAME.replay played with --lang LL, written to NAME.LL/. Look at every new picture
# before committing it. BUILD_DIR names the build directory (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target velkaros vk_replaygen game_content

goldens=$PWD/tests/golden/playthroughs
"$build/tools/vk_replaygen" --data "$build/game" --out "$goldens"
for shots in "$goldens"/*.shots; do
    name=$(basename "$shots" .shots)
    replay=$goldens/${name%%.*}.replay
    lang=()
    case "$name" in *.*) lang=(--lang "${name#*.}") ;; esac
    rm -rf "${goldens:?}/$name"
    mkdir -p "$goldens/$name"
    args=()
    while read -r frame shot; do
        case "$frame" in '' | '#'*) continue ;; esac
        args+=(--screenshot "$frame:$goldens/$name/$shot.png")
    done <"$shots"
    "$build/game/velkaros" --data "$build/game" --headless --input "$replay" "${lang[@]}" \
        "${args[@]}"
    echo "$name: $((${#args[@]} / 2)) pictures in tests/golden/playthroughs/$name/"
done
echo "Look at the new pictures (git status tests/golden/playthroughs) before committing them."
