#!/usr/bin/env bash
# Builds a fuzzer with clang into build-fuzz/ (or $FUZZ_BUILD_DIR) and runs it for the given
# number of seconds (default 60) on one core.
#   scripts/fuzz.sh [target] [seconds]
# target: settings (the settings reader, the default), journal (the draw journal's reader
# and checker) or loterij (the raffle file's reader and its drum of tickets);
# `scripts/fuzz.sh 120` still fuzzes the settings reader for 120 seconds.
# The seed corpus (fuzz/corpus for the settings, fuzz/corpus_<target> for the others) is only
# read; the growing corpus is kept in the build directory, crashing inputs land in
# <build>/fuzz-artifacts[-<target>]/. Turn every one of them into a test case
# (tests/test_faults_settings.cpp, tests/test_journaalcontrole.cpp, tests/test_loterij.cpp).
set -euo pipefail
cd "$(dirname "$0")/.."
TARGET=settings
if [ $# -gt 0 ] && ! [[ "$1" =~ ^[0-9]+$ ]]; then
    TARGET=$1
    shift
fi
SECONDS_TO_RUN=${1:-60}
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
case "$TARGET" in
settings) SEEDS=fuzz/corpus DICT=fuzz/settings.dict MAX_LEN=4096 ;;
journal) SEEDS=fuzz/corpus_journal DICT=fuzz/journal.dict MAX_LEN=16384 ;;
loterij) SEEDS=fuzz/corpus_loterij DICT=fuzz/loterij.dict MAX_LEN=8192 ;;
*)
    echo "unknown fuzz target: $TARGET (settings, journal or loterij)" >&2
    exit 2
    ;;
esac

scripts/deps.sh
cmake -S . -B "$BUILD_DIR" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUINTARO_BUILD_FUZZ=ON -DQUINTARO_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD_DIR" --target "fuzz_$TARGET" -j"$(nproc)"

# The settings fuzzer's folders keep their old names.
SUFFIX=$([ "$TARGET" = settings ] && echo "" || echo "-$TARGET")
mkdir -p "$BUILD_DIR/fuzz-corpus$SUFFIX" "$BUILD_DIR/fuzz-artifacts$SUFFIX"
# A small quarantine: the default 256 MB makes the process look like it leaks (its RSS climbs
# to ~900 MB) and halves the speed; use-after-free within the last 32 MB is still caught.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:quarantine_size_mb=32}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$BUILD_DIR/fuzz/fuzz_$TARGET" \
    -max_total_time="$SECONDS_TO_RUN" \
    -max_len="$MAX_LEN" \
    -dict="$DICT" \
    -artifact_prefix="$BUILD_DIR/fuzz-artifacts$SUFFIX/" \
    -print_final_stats=1 \
    "$BUILD_DIR/fuzz-corpus$SUFFIX" "$SEEDS"
