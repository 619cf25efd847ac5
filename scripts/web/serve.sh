#!/usr/bin/env bash
# Serves the web page on this machine only, gzip-compressed as a web host would (serve.py), and
# prints its address:
#   scripts/web/serve.sh [FOLDER] [PORT]    (default build-web/velkaros, port 8080)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
folder=${1:-$root/build-web/velkaros}
port=${2:-8080}
[ -f "$folder/index.html" ] || { echo "serve.sh: no page in $folder (run scripts/web/build.sh)" >&2; exit 1; }
echo "http://127.0.0.1:$port/"
exec python3 "$root/scripts/web/serve.py" "$folder" "$port"
