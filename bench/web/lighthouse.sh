#!/usr/bin/env bash
# Lighthouse (pinned in bench/web/lighthouse/package-lock.json) over the visitors' site as
# a host serves it, compressed (web/tools/serve_site.py), in Debian's Chromium: once with
# the desktop preset and once as the default throttled phone. Prints performance,
# cumulative layout shift, total blocking time and accessibility; the reports are kept in
# build/lighthouse/. A benchmark, not a test: its figures go to docs/performance.md.
#   bench/web/lighthouse.sh [--no-build]   (SITE=DIR: another built site; LIGHTHOUSE_OUT=DIR)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD

if [[ ${1:-} != --no-build ]]; then
    scripts/web.sh build >/dev/null
fi
tool=bench/web/lighthouse
if [[ ! -x $tool/node_modules/.bin/lighthouse ]]; then
    (cd "$tool" && npm ci --no-audit --no-fund >/dev/null)
fi
export CHROME_PATH=${CHROME_PATH:-$(command -v chromium)}
out=${LIGHTHOUSE_OUT:-$root/build/lighthouse}
mkdir -p "$out"

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 web/tools/serve_site.py "${SITE:-build/web}" "$port" >/dev/null 2>&1 &
server=$!
trap 'kill "$server"' EXIT
for _ in $(seq 50); do
    curl -sf -o /dev/null "http://127.0.0.1:$port/" && break
    sleep 0.1
done

for form in desktop mobile; do
    preset=()
    [[ $form == desktop ]] && preset=(--preset=desktop)
    "$tool/node_modules/.bin/lighthouse" "http://127.0.0.1:$port/" "${preset[@]}" \
        --only-categories=performance,accessibility --output=json \
        --output-path="$out/$form.json" --quiet \
        --chrome-flags="--headless=new --no-sandbox --disable-gpu"
    # The summary is node's own script: nothing in it is for the shell to expand.
    # shellcheck disable=SC2016
    node -e '
const r = require(process.argv[1]);
const a = (id) => r.audits[id];
console.log(`${process.argv[2]}: performance ${r.categories.performance.score.toFixed(2)}, ` +
  `accessibility ${r.categories.accessibility.score.toFixed(2)}, ` +
  `CLS ${a("cumulative-layout-shift").numericValue.toFixed(3)}, ` +
  `TBT ${a("total-blocking-time").numericValue.toFixed(0)} ms, ` +
  `FCP ${a("first-contentful-paint").numericValue.toFixed(0)} ms, ` +
  `LCP ${a("largest-contentful-paint").numericValue.toFixed(0)} ms, ` +
  `Speed Index ${a("speed-index").numericValue.toFixed(0)} ms`);
const tasks = a("long-tasks")?.details?.items ?? [];
if (tasks.length) console.log(`  long tasks: ${tasks.map((t) => `${t.duration.toFixed(0)} ms`).join(", ")}`);
' "$out/$form.json" "$form"
done
