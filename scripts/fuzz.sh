#!/usr/bin/env bash
# Builds the settings-reader fuzzer with clang into build-fuzz/ (or $FUZZ_BUILD_DIR) and runs
# it for the given number of seconds (default 60) on one core.
#   scripts/fuzz.sh [seconds]
# The seed corpus fuzz/corpus is only read; the growing corpus is kept in the build
# directory, crashing inputs land in <build>/fuzz-artifacts/. Turn every one of them into a
# test case in tests/test_faults_settings.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_TO_RUN=${1:-60}
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}

scripts/deps.sh
cmake -S . -B "$BUILD_DIR" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUINTARO_BUILD_FUZZ=ON -DQUINTARO_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD_DIR" --target fuzz_settings -j"$(nproc)"

mkdir -p "$BUILD_DIR/fuzz-corpus" "$BUILD_DIR/fuzz-artifacts"
# A small quarantine: the default 256 MB makes the process look like it leaks (its RSS climbs
# to ~900 MB) and halves the speed; use-after-free within the last 32 MB is still caught.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:quarantine_size_mb=32}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$BUILD_DIR/fuzz/fuzz_settings" \
    -max_total_time="$SECONDS_TO_RUN" \
    -max_len=4096 \
    -dict=fuzz/settings.dict \
    -artifact_prefix="$BUILD_DIR/fuzz-artifacts/" \
    -print_final_stats=1 \
    "$BUILD_DIR/fuzz-corpus" fuzz/corpus
