#!/usr/bin/env bash
# Installs what is missing, builds Quintaro and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
    echo "No display available: to see the window here, run"
    echo "    QT_QPA_PLATFORM=offscreen build/bin/quintaro --screenshot window.png"
    exit 1
fi
exec build/bin/quintaro "$@"
