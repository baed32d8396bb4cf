#!/usr/bin/env bash
# Fuzzes the event handlers for SECONDS (default 60): configures the fuzz preset (clang
# with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, in build/fuzz), builds
# quorvel_fuzz_events and runs it from the kept inputs in fuzz/corpus. New inputs go to
# build/fuzz/corpus; a failing input is written to build/fuzz/artifacts/ — copy it into
# fuzz/corpus to keep it as a regression case.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/fuzz"

cd "$root"
cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"

mkdir -p "$build/corpus" "$build/artifacts"
# Each byte is one event; 512 events already reach every bound many times over.
"$build/fuzz/quorvel_fuzz_events" "$build/corpus" "$root/fuzz/corpus" \
    -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" 2>&1 | tee "$build/last_run.log"
