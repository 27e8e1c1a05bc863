#!/usr/bin/env bash
# Installs what is missing, builds, and starts ZEV.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zev
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No desktop display found (DISPLAY is not set); start ZEV from a desktop session." >&2
    exit 1
fi
exec build/zev "$@"
