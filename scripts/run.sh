#!/usr/bin/env bash
# Sets up, then runs the program: the window where there is a display;
# headless, the report of the starting chart, a picture of the chart and its
# printed sheet.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only the two programs: a first run need not wait for the tests and benches.
scripts/setup.sh vylora vylora-server
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/src/vylora "$@"
fi
build/src/vylora --report data/VYL2010.ini
build/src/vylora --sheet vylora-sheet.png --chart data/VYL2010.ini
echo "Printed sheet drawn into vylora-sheet.png"
QT_QPA_PLATFORM=offscreen build/src/vylora --render vylora-chart.png "$@"
echo "Chart drawn into vylora-chart.png"
