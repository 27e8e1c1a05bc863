#!/usr/bin/env bash
# Refreshes docs/screenshot.png: ZEV under Xvfb with the example working directory open.
# Usage: tools/screenshot.sh [ZEV_BINARY]   (build it first, e.g. with ./test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
zev=${1:-build/zev}
work=$(mktemp -d)
display=":$((80 + RANDOM % 9))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; kill $zev_pid 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$work QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$zev" >/dev/null 2>&1 &
zev_pid=$!
sleep 1.5
xdotool windowfocus --sync "$(xdotool search --name 'Quorvane connection manager' | head -1)"
xdotool mousemove 24 42 click 1
sleep 1
xdotool windowfocus --sync "$(xdotool search --name 'Select network topology image file' | head -1)"
xdotool type --delay 5 "$PWD/examples/topology.png"
xdotool key Return
sleep 1
import -window root -crop 1024x768+0+0 docs/screenshot.png
echo "docs/screenshot.png refreshed"
