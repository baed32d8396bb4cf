#!/usr/bin/env python3
"""The web edition's figures: start-up against an empty page with one canvas, handler
times as WebAssembly against the same code native, and the page's weight gzipped.

  bench.py --site build/web-probe --shipped build/web
           --native build/bench/bench/quorvel_web_handlers

The page timed is the tests' build (the same page over the module with the timing
function); the weight is that of the visitors' build (--shipped).

Start-up is the time from the start of navigation to the end of the first frame that
shows every plot: the page sets its "plots-painted" mark once every plot's pixels are on
its canvas (the empty page once its one canvas is painted), and the benchmark marks
"plots-shown" when the browser has done its work for the next frame (style, layout,
paint), the same way on both pages. The mark alone would leave out the layout of the
window's controls, which comes after it. Each load is fresh with the cache off, in rounds
that alternate the two pages in one Chromium; the figure is the median round's ratio.

With --bare-window, the page is also timed against the window's bare markup in alternating
rounds: its plots shown, and the core answering a click (the page's "core-ready" mark, set
once the module runs and every handler is wired), each against the bare markup shown.
"""

import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile

# The browser and the servers are the web tests' own, from tests/drive through PYTHONPATH
# (run.sh sets it); no bytecode is left in the source tree.
sys.dont_write_bytecode = True
from quorvel_drive import cdp, servers  # noqa: E402

HANDLERS = [("Command3_Click", "CALC, k = 50"), ("Command1_Click", "example RESET")]
# What a visit fetches: the page (quorvel.js is bundled into it), the module and the three
# faces, under their hashed names (the licence texts beside the fonts are not loaded; the
# service worker, the manifest and the icons come after the page has started).
PAGE_FILES = ["index.html", "quorvel.*.wasm", "fonts/*.woff2"]


# Put into both pages before their own scripts: when the page marks "plots-painted", wait
# for the next frame (a requestAnimationFrame callback runs before its style, layout and
# paint) and mark "plots-shown" in the first task after it.
AFTER_NEXT_FRAME = """
const mark = performance.mark.bind(performance);
performance.mark = (name, ...rest) => {
  const entry = mark(name, ...rest);
  if (name === "plots-painted") {
    requestAnimationFrame(() => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => mark("plots-shown");
      channel.port2.postMessage(null);
    });
  }
  return entry;
};
"""
# A page without the module (the empty page, the bare window) has no "core-ready" mark: its
# plots shown stand for it.
TIMES = """(() => {
  const at = (name) => performance.getEntriesByName(name)[0]?.startTime;
  const core = document.getElementById("quorvel-wasm") !== null;
  if (!at("plots-shown") || (core && !at("core-ready"))) return null;
  return [at("plots-painted"), at("plots-shown"), core ? at("core-ready") : at("plots-shown")];
})()"""


def load_ms(page, url):
    """(painted, shown, core ready) in ms from the start of navigation."""
    page.send("Page.navigate", url=url)
    return page.wait_for(TIMES, timeout=60, poll=0.005)


def start_up(page, url, empty_url, rounds, loads):
    """The median rounds, by the ratio of shown and by that of painted: each a pair of
    (page at url, empty page) medians in ms."""
    pages = {"page": url, "empty": empty_url}
    for address in pages.values():  # one warm-up load each
        load_ms(page, address)
    shown, painted = [], []
    for r in range(rounds):
        order = ["page", "empty"] if r % 2 == 0 else ["empty", "page"]
        times = {}
        for name in order:
            times[name] = [load_ms(page, pages[name]) for _ in range(loads)]
        median = {(name, i): statistics.median(t[i] for t in times[name])
                  for name in pages for i in (0, 1)}
        painted.append((median["page", 0], median["empty", 0]))
        shown.append((median["page", 1], median["empty", 1]))
        print(f"  round {r + 1}: shown: {shown[-1][0]:.1f} ms, empty page "
              f"{shown[-1][1]:.1f} ms, ratio {shown[-1][0] / shown[-1][1]:.2f}; painted: "
              f"{painted[-1][0]:.1f} ms, empty page {painted[-1][1]:.1f} ms, "
              f"ratio {painted[-1][0] / painted[-1][1]:.2f}")
    for results in (shown, painted):
        results.sort(key=lambda qe: qe[0] / qe[1])
    return shown[len(shown) // 2], painted[len(painted) // 2]


def against_bare(page, url, bare_url, rounds, loads):
    """The page against the bare window in alternating rounds: the median round by the
    ratio of plots shown and that by the ratio of the core ready, each a pair of (page,
    bare window shown) medians in ms."""
    pages = {"page": url, "bare": bare_url}
    for address in pages.values():
        load_ms(page, address)
    shown, ready = [], []
    for r in range(rounds):
        order = ["page", "bare"] if r % 2 == 0 else ["bare", "page"]
        times = {name: [load_ms(page, pages[name]) for _ in range(loads)] for name in order}
        bare = statistics.median(t[1] for t in times["bare"])
        shown.append((statistics.median(t[1] for t in times["page"]), bare))
        ready.append((statistics.median(t[2] for t in times["page"]), bare))
        print(f"  round {r + 1}: bare window {bare:.1f} ms; plots shown {shown[-1][0]:.1f} ms, "
              f"ratio {shown[-1][0] / bare:.2f}; core ready {ready[-1][0]:.1f} ms, "
              f"ratio {ready[-1][0] / bare:.2f}")
    for results in (shown, ready):
        results.sort(key=lambda pb: pb[0] / pb[1])
    return shown[len(shown) // 2], ready[len(ready) // 2]


def bare_window(page, base):
    """The started page's window as plain markup: its controls and captions where the page
    put them and its canvases blank, with no script, no web fonts and no WebAssembly. The
    time to show it is a floor for any page that shows this window."""
    page.send("Page.navigate", url=base + "quorvel/")
    page.wait_for("globalThis.quorvel && quorvel.painted")
    html = page.evaluate("document.documentElement.outerHTML")
    html = re.sub(r"<script.*?</script>", "", html, flags=re.S)
    html = re.sub(r"<link [^>]*>", "", html)
    html = re.sub(r"@font-face\s*{[^}]*}", "", html)
    mark = '<script>performance.mark("plots-painted")</script>'
    return "<!DOCTYPE html>" + html.replace("</body>", mark + "</body>")


def print_start_up(what, shown, painted, target=""):
    print(f"median round, {what}, plots painted on their canvases: {painted[0]:.1f} ms, "
          f"empty page {painted[1]:.1f} ms, ratio {painted[0] / painted[1]:.2f}")
    print(f"median round, {what}, plots shown: {shown[0]:.1f} ms, empty page "
          f"{shown[1]:.1f} ms, ratio {shown[0] / shown[1]:.2f}{target}")


# The first timing of a freshly loaded page includes the engine's move from its baseline
# code to optimised code, which happens while the handlers first run; the figure is the
# second timing, once it has.
def browser_handlers(page, base):
    """(first, steady) timings in µs per handler."""
    page.send("Page.navigate", url=base + "quorvel/")
    page.wait_for("globalThis.quorvel && quorvel.painted")

    def timing(handler):
        return page.evaluate(f"quorvel.core.handlerMicros('{handler}', 15, 200)")
    first = {h: timing(h) for h, _ in HANDLERS}
    return first, {h: timing(h) for h, _ in HANDLERS}


def node_handlers(site):
    script = ("const m = require(process.argv[1]);"
              "m().then(q => { q.ccall('quorvel_open', 'string', ['number','number','number'],"
              " [1, 1280, 1024]);"
              + "".join(f"q.ccall('quorvel_handler_micros', 'number',"
                        f" ['string','number','number'], ['{h}', 15, 200]);"
                        f"console.log('{h}', q.ccall('quorvel_handler_micros', 'number',"
                        f" ['string','number','number'], ['{h}', 15, 200]));"
                        for h, _ in HANDLERS) + "});")
    out = subprocess.run(["node", "--no-experimental-fetch", "-e", script,
                          os.path.abspath(os.path.join(site, "quorvel.js"))],
                         capture_output=True, text=True, check=True).stdout
    return {line.split()[0]: float(line.split()[1]) for line in out.splitlines()}


def native_handlers(program):
    out = subprocess.run([program], capture_output=True, text=True, check=True).stdout
    return {line.split()[0]: float(line.split()[1]) for line in out.splitlines()}


def page_files(site):
    import glob
    return [os.path.relpath(path, site) for pattern in PAGE_FILES
            for path in sorted(glob.glob(os.path.join(site, pattern)))]


def sent_size(site, name, suffix):
    """What a server sends for the file: its .gz or .br sibling, or the file where a
    format compresses no further (WOFF2)."""
    path = os.path.join(site, name)
    return os.path.getsize(path + suffix if os.path.exists(path + suffix) else path)


def print_weight(site):
    totals = {".gz": 0, ".br": 0}
    for name in page_files(site):
        sizes = {suffix: sent_size(site, name, suffix) for suffix in totals}
        for suffix in totals:
            totals[suffix] += sizes[suffix]
        print(f"  {name}: {os.path.getsize(os.path.join(site, name)) / 1024:.1f} KB, gzip -9 "
              f"{sizes['.gz'] / 1024:.1f} KB, brotli {sizes['.br'] / 1024:.1f} KB")
    print(f"whole page as sent: {totals['.gz'] / 1024:.1f} KB gzipped, "
          f"{totals['.br'] / 1024:.1f} KB with brotli (target 300 KB)")
    single = os.path.join(site, "quorvel.html")
    if os.path.exists(single):
        print(f"the single file quorvel.html: {os.path.getsize(single) / 1024:.1f} KB, "
              f"gzip -9 {sent_size(site, 'quorvel.html', '.gz') / 1024:.1f} KB")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--site", required=True)
    parser.add_argument("--native", required=True)
    parser.add_argument("--shipped", required=True, help="the visitors' build, for its weight")
    parser.add_argument("--rounds", type=int, default=8)
    parser.add_argument("--loads", type=int, default=10)
    parser.add_argument("--bare-window", action="store_true",
                        help="also time the window's markup alone, the floor of any page "
                             "that shows it")
    args = parser.parse_args()

    print("== page weight as a server sends it (the visitors' build)")
    print_weight(args.shipped)

    with tempfile.TemporaryDirectory(prefix="quorvel-bench-") as root:
        os.symlink(os.path.abspath(args.site), os.path.join(root, "quorvel"))
        with open(os.path.join(os.path.dirname(__file__), "empty.html"), "rb") as f:
            empty = f.read()
        with open(os.path.join(root, "empty.html"), "wb") as f:
            f.write(empty)
        with servers.preview(root) as served, cdp.chromium() as page:
            base = served.url
            page.send("Page.enable")
            page.send("Page.addScriptToEvaluateOnNewDocument", source=AFTER_NEXT_FRAME)
            page.send("Network.enable")
            page.send("Network.setCacheDisabled", cacheDisabled=True)
            # Every load from the network: the page's service worker would answer from its
            # cache from the second load on.
            page.send("Network.setBypassServiceWorker", bypass=True)
            print(f"== start-up to the first frame with every plot ({args.rounds} "
                  f"alternating rounds of {args.loads} loads each)")
            shown, painted = start_up(page, base + "quorvel/", base + "empty.html",
                                      args.rounds, args.loads)
            print_start_up("quorvel", shown, painted, " (target 1.3)")
            if args.bare_window:
                with open(os.path.join(root, "bare.html"), "w", encoding="utf-8") as f:
                    f.write(bare_window(page, base))
                print("== the floor: the window's markup alone, no script, no web fonts, "
                      "blank canvases")
                shown, painted = start_up(page, base + "bare.html", base + "empty.html",
                                          args.rounds, args.loads)
                print_start_up("bare window", shown, painted)
                print("== the page against the bare window")
                shown, ready = against_bare(page, base + "quorvel/", base + "bare.html",
                                            args.rounds, args.loads)
                print(f"median round, plots shown: {shown[0]:.1f} ms, bare window "
                      f"{shown[1]:.1f} ms, ratio {shown[0] / shown[1]:.2f} (target 1.3)")
                print(f"median round, the core answering a click: {ready[0]:.1f} ms, bare "
                      f"window {ready[1]:.1f} ms, ratio {ready[0] / ready[1]:.2f} (target 2)")
            print("== handlers (median of 15 rounds of 200 runs, after one such timing "
                  "that warms the engine up)")
            first, in_browser = browser_handlers(page, base)
    in_node = node_handlers(args.site)
    native = native_handlers(args.native)
    for handler, what in HANDLERS:
        print(f"{what}: WebAssembly in Chromium {in_browser[handler]:.1f} µs (first timing "
              f"of the page {first[handler]:.1f} µs), under node "
              f"{in_node[handler]:.1f} µs, native {native[handler]:.1f} µs; ratio "
              f"{in_browser[handler] / native[handler]:.2f} (target 2)")


if __name__ == "__main__":
    main()
