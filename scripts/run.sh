#!/usr/bin/env bash
# Sets up what is missing, builds the program and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" >/dev/null
exec ./build/release/quorvel
