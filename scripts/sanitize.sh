#!/usr/bin/env bash
# Builds Quintaro and every test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ (or $ASAN_BUILD_DIR) and runs the suite headless. Any sanitizer report
# fails the run: undefined behaviour stops the process at once (-fno-sanitize-recover), and
# leaks are reported at exit except those listed, with their reasons, in
# scripts/sanitize-lsan.supp. Child processes started by the tests inherit the settings.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${ASAN_BUILD_DIR:-build-asan}

scripts/deps.sh

SAN_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/sanitize-lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# -O1 keeps the instrumented tests quick while leaving the stack traces readable. The asset
# generator that runs during the build is instrumented too, and held to the same rules.
LAUNCHER=()
if command -v ccache >/dev/null; then LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${LAUNCHER[@]}" \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DCMAKE_CXX_FLAGS="$SAN_FLAGS" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DQUINTARO_BUILD_TESTS=ON "$@" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
# LeakSanitizer's stop-the-world tracer now and then crashes at a process's exit ("Tracer
# caught signal 11"), a fault of the tool, not of the test; a failed test is therefore run
# once more. A real leak or undefined behaviour fails both runs.
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" --repeat until-pass:2
