#!/usr/bin/env bash
# Runs a node test script on the page's module; status 77 (skipped) without node.
set -euo pipefail
if ! command -v node >/dev/null; then
    echo "SKIP: node is not installed (scripts/setup.sh installs nodejs)"
    exit 77
fi
# Node 20 would fetch the .wasm over its own fetch, which cannot read files.
exec node --no-experimental-fetch "$@"
