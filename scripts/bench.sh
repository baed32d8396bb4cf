#!/usr/bin/env bash
# Measures Quorvel against the floor of an empty Qt window: handler medians (Google
# Benchmark, offscreen), then start-up time (hyperfine) and peak resident memory
# (/usr/bin/time) of the real window and of an empty one, alternately, under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
for p in hyperfine time; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null
done
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" >/dev/null
bench=build/release/bench
out=build/release/bench-results
mkdir -p "$out"

echo "== handlers (median of 10 repetitions, offscreen)"
QT_QPA_PLATFORM=offscreen "$bench/quorvel_handler_bench" --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true --benchmark_out="$out/handlers.json" \
    --benchmark_out_format=json | grep -E "_median|^Benchmark|^-" || true

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

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

echo "== peak resident memory (median of 15 runs each)"
peak() {
    for _ in $(seq 15); do /usr/bin/time -f %M "$1" 2>&1 >/dev/null | tail -n 1; done |
        sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
q=$(peak "$bench/quorvel_startup_probe")
e=$(peak "$bench/empty_window_probe")
awk -v q="$q" -v e="$e" 'BEGIN { printf "peak RSS: quorvel %d KiB, empty window %d KiB, ratio %.3f\n", q, e, q / e }'
