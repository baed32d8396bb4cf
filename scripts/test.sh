#!/usr/bin/env bash
# Installs what the tests need if it is missing (setup.sh's test group), builds, and runs
# the tests.
#   scripts/test.sh         the development build (warnings fatal) and its tests, the web
#                           edition's included (built with emscripten in build/dev/)
#   scripts/test.sh --all   also the AddressSanitizer + UndefinedBehaviorSanitizer build
#                           and its tests; what CI runs
set -euo pipefail
cd "$(dirname "$0")/.."

presets=(dev)
case ${1:-} in
    "") ;;
    --all) presets+=(asan) ;;
    *)
        echo "usage: scripts/test.sh [--all]" >&2
        exit 2
        ;;
esac

scripts/setup.sh test
jobs=$(nproc)

for preset in "${presets[@]}"; do
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
