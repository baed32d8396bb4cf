#!/usr/bin/env bash
# Installs what building and opening the window needs (setup.sh's run group) if it is
# missing, builds the program and opens its window; the arguments go to the program
# (scripts/run.sh --high-contrast, scripts/run.sh --version).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" >/dev/null
exec ./build/release/quorvel "$@"
