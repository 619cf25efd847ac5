#!/usr/bin/env bash
# A time-boxed fuzzing campaign over the readers of outside files (data file, BMP, PNG, WAV, PO,
# mod zip), with clang's libFuzzer and the address and undefined-behaviour sanitizers, in
# build-fuzz.
#   scripts/fuzz.sh [seconds-per-target] [target...]   (default 60 s; script bmp png wav po zip)
# Each target starts from its seed corpus tests/fuzz/corpus/<target>/ and keeps what it learns
# in build-fuzz/corpus/<target>/. A crash, leak or timeout is written to build-fuzz/crashes/;
# copy it into the seed corpus once it is fixed, so every ./test.sh replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

# The fuzz build needs clang and its sanitizer runtimes on top of the default packages.
scripts/deps.sh clang-14 libclang-rt-14-dev

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(script bmp png wav po zip)

build=${FUZZ_BUILD_DIR:-build-fuzz}
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1"
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
    -DVK_WERROR=ON -DVK_FUZZ=ON -DVK_BUILD_SDL=OFF -DVK_BUILD_BENCH=OFF \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/crashes"
found=0
for t in "${targets[@]}"; do
    mkdir -p "$build/corpus/$t"
    echo "== fuzz_$t for ${seconds}s"
    # Broken pictures make libpng explain themselves on stderr; keep the fuzzer's own output.
    ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
        -rss_limit_mb=2048 -close_fd_mask=2 -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$t-" "$build/corpus/$t" "tests/fuzz/corpus/$t" \
        >"$build/fuzz_$t.log" 2>&1 || true
    grep -E '^stat::(number_of_executed_units|peak_rss_mb|new_units_added)|^#[0-9]+ *DONE' \
        "$build/fuzz_$t.log" || true
    if ls "$build/crashes/$t-"* >/dev/null 2>&1; then
        echo "fuzz_$t found problems:"
        ls "$build/crashes/$t-"*
        found=1
    fi
done
exit $found
