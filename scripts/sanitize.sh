#!/usr/bin/env bash
# Builds every test with GCC's address and undefined-behaviour sanitizers in build-asan (or
# $ASAN_BUILD_DIR) and runs them. Any sanitizer report fails the run. Leak reports from
# third-party libraries are silenced only through tests/sanitize/lsan.supp.
#   scripts/sanitize.sh            # configure, build, run every CTest test
#   scripts/sanitize.sh -R soak    # extra arguments go to ctest
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${ASAN_BUILD_DIR:-build-asan}
# Tests that count allocations replace operator new and delete with malloc and free; once the
# sanitizers change inlining, GCC takes those pairs for mismatched ones.
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
flags+=" -Wno-mismatched-new-delete"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK_BUILD_BENCH=OFF \
    -DVK_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "$@"
