#!/usr/bin/env bash
# Builds the benchmarks into build-bench/ (or $BENCH_BUILD_DIR) and prints one table of every
# figure: the settings file, the drawn-list file and the draw journal with the series' draws
# (Google Benchmark), and the running program's start-up, a real-time draw and a 100-draw session
# (bench_window), a real-time draw's cost of the operator's window (bench_bediening) and a
# real-time draw with 300 pages reading the live view (bench_live). The
# window figures are taken on an X server (Xvfb, 1920x1080) when xvfb-run is installed, else on
# Qt's offscreen platform; the table says which.
#   scripts/bench.sh [--runs N]     N start-ups for the start-up median (default 7)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BENCH_BUILD_DIR:-build-bench}

scripts/deps.sh
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_BUILD_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" --target quintaro bench_settings bench_journaal \
    bench_window bench_bediening bench_live \
    >/dev/null
BIN="$BUILD_DIR/bin"

ruw=$(mktemp)
trap 'rm -f "$ruw"' EXIT

# Google Benchmark, as CSV: name, iterations, real_time, cpu_time, time_unit, ...
for b in bench_settings bench_journaal; do
    "$BIN/$b" --benchmark_format=csv --benchmark_min_time=0.3 2>/dev/null |
        awk -F, -v groep="${b#bench_}" '
            NR > 1 && $1 != "" {
                gsub(/"/, "", $1)
                printf "%s: %s\t%.4g\t%s (CPU %.4g)\n", groep, $1, $3, $5, $4
            }' >>"$ruw"
done

if command -v xvfb-run >/dev/null 2>&1; then
    xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb \
        "$BIN/bench_window" --zaal "$@" >>"$ruw" 2>/dev/null
    xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb \
        "$BIN/bench_bediening" 2>/dev/null | grep -v '^#' >>"$ruw"
    xvfb-run -a -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb \
        "$BIN/bench_live" 2>/dev/null >>"$ruw"
else
    QT_QPA_PLATFORM=offscreen "$BIN/bench_window" --zaal "$@" >>"$ruw" 2>/dev/null
    QT_QPA_PLATFORM=offscreen "$BIN/bench_bediening" 2>/dev/null | grep -v '^#' >>"$ruw"
    QT_QPA_PLATFORM=offscreen "$BIN/bench_live" 2>/dev/null >>"$ruw"
fi

echo "Quintaro $(git rev-parse --short HEAD 2>/dev/null || echo '?'), $(nproc) cores," \
    "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
awk -F'\t' '
    $1 == "#" { omgeving = $2; next }
    { regels[++n] = $0 }
    END {
        printf "%-72s %12s  %s\n", "Figure", "Value", "Unit"
        printf "%-72s %12s  %s\n", "------", "-----", "----"
        for (i = 1; i <= n; ++i) {
            split(regels[i], veld, "\t")
            printf "%-72s %12s  %s\n", veld[1], veld[2], veld[3]
        }
        if (omgeving != "")
            printf "(window figures: %s)\n", omgeving
    }' "$ruw"
