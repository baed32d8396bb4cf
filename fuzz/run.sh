#!/usr/bin/env bash
# Fuzzes for SECONDS in all (default 60): configures the fuzz preset (clang with
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, in build/fuzz), builds its
# targets and runs each for its share of the time: the event handlers (half) from the kept
# inputs in fuzz/corpus, the exercise code reader (a quarter) from fuzz/code_corpus, the
# kept state's and the work link's readers (a quarter) from fuzz/kept_corpus.
# New inputs go to build/fuzz/corpus, code_corpus and kept_corpus; a failing input is written
# to build/fuzz/artifacts/ — copy it into the kept inputs to keep it as a regression case.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/fuzz"

cd "$root"
cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"

code_seconds=$(( seconds / 4 > 0 ? seconds / 4 : 1 ))
kept_seconds=$code_seconds
event_seconds=$(( seconds - code_seconds - kept_seconds > 0 ? seconds - code_seconds - kept_seconds : 1 ))
mkdir -p "$build/corpus" "$build/code_corpus" "$build/kept_corpus" "$build/artifacts"
# Each byte is one event; 512 events already reach every bound many times over.
"$build/fuzz/quorvel_fuzz_events" "$build/corpus" "$root/fuzz/corpus" \
    -max_total_time="$event_seconds" -max_len=512 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" 2>&1 | tee "$build/last_run.log"
# A code is a few characters; 64 bytes leave room for separators and stray text.
"$build/fuzz/quorvel_fuzz_exercise_code" "$build/code_corpus" "$root/fuzz/code_corpus" \
    -max_total_time="$code_seconds" -max_len=64 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/code-" 2>&1 | tee "$build/last_code_run.log"
# A kept state is one short line; 256 bytes cover it and a damaged one's tail.
"$build/fuzz/quorvel_fuzz_kept_state" "$build/kept_corpus" "$root/fuzz/kept_corpus" \
    -max_total_time="$kept_seconds" -max_len=256 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/kept-" 2>&1 | tee "$build/last_kept_run.log"
