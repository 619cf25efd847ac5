#!/usr/bin/env bash
# Plays the built page in Debian's headless Chromium (tests/web/run.mjs, puppeteer-core from
# npm): the golden playthroughs, real key presses against the headless game, the page's keys
# and sound, and a page with a broken data file. Run scripts/web/build.sh first.
# WEB_BUILD_DIR and LINUX_BUILD_DIR choose other build directories. Exit code 77: no page built.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
web=${WEB_BUILD_DIR:-$root/build-web}
linux=${LINUX_BUILD_DIR:-$root/build}
case "$web" in /*) ;; *) web=$root/$web ;; esac
case "$linux" in /*) ;; *) linux=$root/$linux ;; esac

if [ ! -f "$web/velkaros/index.html" ]; then
    echo "test.sh: no page in $web/velkaros (scripts/web/build.sh builds it)" >&2
    exit 77
fi
"$root/scripts/web/deps.sh"
# The test driver at the versions of its lock file, once.
if [ ! -d "$root/tests/web/node_modules/puppeteer-core" ]; then
    (cd "$root/tests/web" && npm ci --no-audit --no-fund --silent)
fi
mkdir -p "$web/test-work"
node "$root/tests/web/run.mjs" "$web/velkaros" "$web/game/game" "$linux" "$web/test-work"
