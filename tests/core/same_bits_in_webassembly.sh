#!/usr/bin/env bash
# Builds the cosine and sine fingerprint program with em++, runs it under node and
# compares what it prints with the native build's output.
#   same_bits_in_webassembly.sh NATIVE_PROGRAM SOURCE_ROOT WORK_DIR
# Exit 77 (skipped) when em++ or node is missing.
set -euo pipefail
native=$1
root=$2
work=$3

if ! command -v em++ >/dev/null || ! command -v node >/dev/null; then
    echo "em++ or node not installed: skipped" >&2
    exit 77
fi

mkdir -p "$work"
# Debian's emscripten finds its JavaScript tools through NODE_PATH.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
em++ -std=c++20 -O2 -ffp-contract=off -fno-fast-math -Wall -Wextra -Werror \
    -I"$root/core" -I"$root/tests/core" \
    "$root/tests/core/trig_bits_main.cpp" "$root/tests/core/program_angles.cpp" \
    "$root/core/trig.cpp" "$root/core/trig_wide.cpp" "$root/core/wave_sampling.cpp" \
    "$root/core/value.cpp" "$root/core/number_text.cpp" \
    -sENVIRONMENT=node -o "$work/trig_bits.js"

"$native" >"$work/native.txt"
node --no-experimental-fetch "$work/trig_bits.js" >"$work/wasm.txt"
echo "native: $(tr '\n' ' ' <"$work/native.txt")"
echo "wasm:   $(tr '\n' ' ' <"$work/wasm.txt")"
diff "$work/native.txt" "$work/wasm.txt"
