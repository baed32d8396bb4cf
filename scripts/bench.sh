#!/usr/bin/env bash
# Measures Quorvel against the floor of an empty Qt window: handler medians (Google
# Benchmark, offscreen), then start-up time (hyperfine) and peak resident memory of the
# real window and of an empty one, alternately, under Xvfb. The memory is read 0.4 s after
# each window has painted, so that what a window allocates once it shows is counted.
set -euo pipefail
cd "$(dirname "$0")/.."

# Installs whatever is missing, hyperfine and GNU time included.
scripts/setup.sh bench
echo "== load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
# The release build with the benchmarks: the bench preset, in build/bench.
cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)" >/dev/null
bench=build/bench/bench
out=build/bench/bench-results
mkdir -p "$out"

# shown PATTERN FILE COMMAND...: runs COMMAND with its output into FILE, then shows the
# lines that match PATTERN. A command that fails fails the benchmark, with all it printed;
# its warnings (stderr) show as they come.
shown() {
    local pattern=$1 file=$2
    shift 2
    if ! "$@" >"$file"; then
        cat "$file" >&2
        echo "bench: failed: $*" >&2
        return 1
    fi
    grep -E "$pattern" "$file"
}

echo "== handlers (median of 10 repetitions, offscreen)"
shown "_median|^Benchmark|^-" "$out/handlers.txt" \
    env QT_QPA_PLATFORM=offscreen "$bench/quorvel_handler_bench" --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true --benchmark_out="$out/handlers.json" \
    --benchmark_out_format=json

# Xvfb picks a free display itself and writes its number to fd 3 once it accepts clients.
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
if [[ ! -s $work/display ]]; then
    cat "$work/xvfb.log" >&2
    echo "bench: Xvfb did not start" >&2
    exit 1
fi
display=$(head -n 1 "$work/display")
export DISPLAY=":$display"
xdpyinfo >/dev/null || { echo "bench: no X server answers on $DISPLAY" >&2; exit 1; }
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "== start-up under Xvfb (hyperfine, 8 alternating rounds of 10 runs each)"
: >"$out/startup-rounds.txt"
for round in $(seq 8); do
    hyperfine -N --warmup 2 --runs 10 --export-csv "$out/startup-$round.csv" \
        "$bench/quorvel_startup_probe" "$bench/empty_window_probe" >/dev/null
    awk -F, 'NR == 2 { q = $4 } NR == 3 { e = $4 } END { print q, e, q / e }' \
        "$out/startup-$round.csv" >>"$out/startup-rounds.txt"
done
sort -n -k3 "$out/startup-rounds.txt" | awk '{ q[NR] = $1; e[NR] = $2; r[NR] = $3 }
    END { m = int((NR + 1) / 2)
          printf "median start-up: quorvel %.1f ms, empty window %.1f ms, ratio %.3f (median round)\n",
                 q[m] * 1000, e[m] * 1000, r[m] }'

echo "== peak resident memory (median of 15 alternating runs each)"
# Each probe prints its peak and current resident memory (KiB) 0.4 s after its window
# painted; GNU time gives the peak of the probe that quits at its first paint.
: >"$out/memory-settled.txt"
: >"$out/memory-first-paint.txt"
for _ in $(seq 15); do
    for probe in quorvel_startup_probe empty_window_probe; do
        settled=$("$bench/$probe" --settle 400) ||
            { echo "bench: $probe --settle 400 failed" >&2; exit 1; }
        read -r hwm _ <<<"$settled"
        [[ -n $hwm ]] || { echo "bench: $probe printed no memory figure" >&2; exit 1; }
        echo "$probe $hwm" >>"$out/memory-settled.txt"
        /usr/bin/time -o "$work/peak" -f %M "$bench/$probe" >/dev/null ||
            { echo "bench: $probe failed" >&2; exit 1; }
        echo "$probe $(tail -n 1 "$work/peak")" >>"$out/memory-first-paint.txt"
    done
done
median() {
    awk -v p="$1" '$1 == p { print $2 }' "$2" | sort -n |
        awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
for when in settled first-paint; do
    q=$(median quorvel_startup_probe "$out/memory-$when.txt")
    e=$(median empty_window_probe "$out/memory-$when.txt")
    label=$([[ $when == settled ]] && echo "0.4 s after the window painted" ||
        echo "at the first paint (exit)")
    awk -v q="$q" -v e="$e" -v l="$label" 'BEGIN {
        printf "peak RSS %s: quorvel %d KiB, empty window %d KiB, ratio %.3f\n", l, q, e, q / e }'
done
echo "== load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
