#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 600)
# from a copy of the seed corpus. Skips, with a message, where clang's libFuzzer is missing.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    echo "fuzz: skipped: clang++ with libFuzzer (Debian's clang and libclang-rt-dev) is not installed"
    exit 0
fi

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEV_FUZZ=ON -DZEV_WERROR=ON >/dev/null
cmake --build "$build"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in config_reader:config import:import; do
    name=${target%%:*}
    corpus=$work/${target##*:}
    cp -r "fuzz/corpus/${target##*:}" "$corpus"
    echo "fuzz: $name for ${seconds}s"
    "$build/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/$name-" "$corpus" 2>"$work/$name.log" ||
        { tail -n 40 "$work/$name.log"; echo "fuzz: $name FAILED (input kept as $build/$name-*)"; exit 1; }
    grep -E '^stat::number_of_executed_units' "$work/$name.log" | sed "s/^/fuzz: $name: /"
done
echo "fuzz: passed"
