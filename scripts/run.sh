#!/usr/bin/env bash
# Sets up, then runs the program: the window where there is a display;
# headless, the report of the starting chart and a picture of the chart.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/src/vylora "$@"
fi
build/src/vylora --report data/VYL2010.ini
QT_QPA_PLATFORM=offscreen build/src/vylora --render vylora-chart.png "$@"
echo "Chart drawn into vylora-chart.png"
