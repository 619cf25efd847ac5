#!/usr/bin/env bash
# The browser build's budget: download sizes (gzip -9 of each file, as a server compresses
# them), then bench/web_budget.mjs in headless Chromium: first picture, frames per second and
# CPU in the first screen, measured beside a bare page that only draws (bench/web_bare.html).
#   bench/web_budget.sh [PAGE_DIR] [SECONDS] [ROUNDS]    (defaults: build-web/velkaros, 10, 2)
# Budget: 4.5 MB gzip in all, 1 MB of it wasm and js; first picture within 1 s of the load, and
# within 15 s of a first visit at 200 KB/s; the tab's CPU at most twice the bare page's.
set -euo pipefail
cd "$(dirname "$0")/.."
page=${1:-build-web/velkaros}
seconds=${2:-10}
[ -f "$page/index.html" ] || { echo "no page in $page: run scripts/web/build.sh" >&2; exit 1; }
[ -d tests/web/node_modules/puppeteer-core ] || (cd tests/web && npm ci --no-audit --no-fund --silent)

total=0
code=0
music=0
while IFS= read -r file; do
    size=$(stat -c %s "$page/$file")
    packed=$(gzip -9c "$page/$file" | wc -c)
    printf '%-22s %9d bytes, %9d gzip\n' "$file" "$size" "$packed"
    total=$((total + packed))
    case "$file" in *.wasm | velkaros.js) code=$((code + packed)) ;; sound/*) music=$((music + packed)) ;; esac
done < <(cd "$page" && find . -type f -printf '%P\n' | sort)
awk -v t="$total" -v c="$code" -v m="$music" 'BEGIN {
    printf "download: %.2f MB gzip in all, wasm and js %.2f MB; before the first picture %.2f MB (all but the music)\n",
        t / 1e6, c / 1e6, (t - m) / 1e6 }'
node bench/web_budget.mjs "$page" "$seconds" "${3:-2}"
