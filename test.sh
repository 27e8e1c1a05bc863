#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
#   ./test.sh              the normal build, then short fuzzing runs where clang's libFuzzer is available
#   ./test.sh --sanitize   the whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"

# Xvfb and xdotool drive the real window; the validators check the desktop files;
# lintian, dpkg-dev and groff check the Debian package and the manual page; clang
# and its runtime build the fuzzers; git runs the command line's merge driver; the
# accessibility bus and its Python binding let the end-to-end test walk what a screen reader sees;
# nginx, tftpd-hpa and their clients serve a working folder as the README says.
scripts/install-deps.sh xvfb xdotool x11-utils imagemagick desktop-file-utils appstream lintian dpkg-dev groff-base \
    clang libclang-rt-14-dev git at-spi2-core python3-pyatspi dbus nginx-light tftpd-hpa tftp-hpa curl

if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEV_WERROR=ON -DZEV_SANITIZE=ON -DZEV_BUILD_BENCH=OFF
    cmake --build "$build"
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure
    exit 0
fi

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEV_WERROR=ON
cmake --build "$build"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure

scripts/fuzz.sh 30
