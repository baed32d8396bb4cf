#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test: once in the development build
# (warnings fatal, and the web edition's tests) and once under AddressSanitizer +
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
jobs=$(nproc)

# The web edition, which the development build's tests then work in headless Chromium.
echo "== web: build"
mkdir -p build
if ! scripts/web.sh build >build/web-build.log 2>&1; then
    grep -v '^\[ *[0-9]*%\]' build/web-build.log | tail -n 60
    echo "== web: build failed (full log in build/web-build.log)"
    exit 1
fi

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
