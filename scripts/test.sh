#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test: once in the development build
# (warnings fatal) and once under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
jobs=$(nproc)

for preset in dev asan; do
    echo "== $preset: build"
    mkdir -p build
    log="build/$preset-build.log"
    if ! { cmake --preset "$preset" && cmake --build --preset "$preset" -j"$jobs"; } >"$log" 2>&1; then
        grep -v '^\[ *[0-9]*%\]' "$log" | tail -n 60
        echo "== $preset: build failed (full log in $log)"
        exit 1
    fi
    echo "== $preset: tests"
    ctest --preset "$preset" -j"$jobs"
done
