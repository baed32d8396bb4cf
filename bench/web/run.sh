#!/usr/bin/env bash
# The web edition's figures: page weight gzipped, start-up against an empty page with one
# canvas in headless Chromium, and handler times as WebAssembly against native.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/setup.sh bench web
scripts/web.sh build >/dev/null
# The release build with the benchmarks: the bench preset, in build/bench.
cmake --preset bench >/dev/null
cmake --build --preset bench --target quorvel_web_handlers -j"$(nproc)" >/dev/null
# Debian's python3, which has python3-websocket; the browser and the servers are the web
# tests' own, in tests/drive.
export PYTHONPATH=$PWD/tests/drive${PYTHONPATH:+:$PYTHONPATH}
exec /usr/bin/python3 bench/web/bench.py --site build/web-probe --shipped build/web \
    --native build/bench/bench/quorvel_web_handlers "$@"
