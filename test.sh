#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"

# Xvfb and xdotool drive the real window; the validators check the desktop files.
scripts/install-deps.sh xvfb xdotool x11-utils imagemagick desktop-file-utils appstream

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEV_WERROR=ON
cmake --build "$build"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure
