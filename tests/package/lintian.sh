#!/bin/sh
# Builds the Debian package from a build directory and has Debian's checker
# judge it: any error or warning fails. Usage: lintian.sh CPACK BUILD_DIR
set -eu
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1" --config "$2/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" || { cat "$out/cpack.log"; exit 1; }
lintian --fail-on error,warning "$out"/zev_*.deb
