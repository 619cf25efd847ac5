#!/usr/bin/env bash
# Runs a validator: passes when it exits 0 and writes no warning to standard error.
# Usage: check_file.sh TOOL [ARGUMENT...]    (77 when TOOL is not installed)
set -u
if ! command -v "$1" >/dev/null; then
    echo "SKIP: $1 is not installed (scripts/deps.sh installs it)"
    exit 77
fi
output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
"$@" >"$output" 2>"$errors"
status=$?
tail -n 20 "$output"
if [ "$status" -ne 0 ] || [ -s "$errors" ]; then
    echo "FAIL: $* (exit code $status)"
    cat "$errors"
    exit 1
fi
echo "ok: $1"
