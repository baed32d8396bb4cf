#!/usr/bin/env bash
# Builds the cosine and sine fingerprint program with em++, runs it under node and
# compares what it prints with the native build's output.
#   same_bits_in_webassembly.sh NATIVE_PROGRAM WORK_DIR SOURCES INCLUDE_DIRS OPTIONS
# SOURCES, INCLUDE_DIRS and OPTIONS are ;-separated lists, as CMake gives them for the
# native program, so both builds compile the same files with the same options.
# Exit 77 (skipped) when em++ or node is missing.
set -euo pipefail
native=$1
work=$2
IFS=';' read -r -a sources <<<"$3"
IFS=';' read -r -a include_dirs <<<"$4"
IFS=';' read -r -a options <<<"$5"

if ! command -v em++ >/dev/null || ! command -v node >/dev/null; then
    echo "em++ or node not installed: skipped" >&2
    exit 77
fi
if [ ${#sources[@]} -eq 0 ] || [ ${#options[@]} -eq 0 ]; then
    echo "no sources or no compile options given" >&2
    exit 2
fi

mkdir -p "$work"
# Debian's emscripten finds its JavaScript tools through NODE_PATH.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
# em++ is Clang, whose -Wconversion also takes in sign changes; the native options leave
# those out only when the native compiler is Clang too.
em++ -O2 "${options[@]}" -Wno-sign-conversion -Werror \
    "${include_dirs[@]/#/-I}" "${sources[@]}" \
    -sENVIRONMENT=node -o "$work/trig_bits.js"

"$native" >"$work/native.txt"
node --no-experimental-fetch "$work/trig_bits.js" >"$work/wasm.txt"
echo "native: $(tr '\n' ' ' <"$work/native.txt")"
echo "wasm:   $(tr '\n' ' ' <"$work/wasm.txt")"
diff "$work/native.txt" "$work/wasm.txt"
