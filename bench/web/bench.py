#!/usr/bin/env python3
"""The web edition's figures: start-up against an empty page with one canvas, handler
times as WebAssembly against the same code native, and the page's weight gzipped.

  bench.py --site build/web --native build/release/bench/quorvel_web_handlers

Start-up is the time from the start of navigation to the moment every plot's pixels are
on its canvas (the page's "plots-painted" mark; the empty page sets the same mark once
its one canvas is painted), over a fresh load each time with the cache off, in rounds
that alternate the two pages in one Chromium; the figure is the median round's ratio.
"""

import argparse
import gzip
import os
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "web"))
import cdp  # noqa: E402

HANDLERS = [("Command3_Click", "CALC, k = 50"), ("Command1_Click", "example RESET")]
# What the page fetches (quorvel.js is inlined in index.html; the licence texts beside
# the fonts are not loaded).
PAGE_FILES = ["index.html", "quorvel.wasm", "fonts/quorvel-serif.woff",
              "fonts/quorvel-serif-italic.woff", "fonts/quorvel-gothic.woff"]


def load_ms(page, url):
    page.send("Page.navigate", url=url)
    return page.wait_for(
        "performance.getEntriesByName('plots-painted')[0]?.startTime", timeout=60, poll=0.005)


def start_up(page, base, rounds, loads):
    page.send("Network.enable")
    page.send("Network.setCacheDisabled", cacheDisabled=True)
    pages = {"quorvel": base + "quorvel/", "empty": base + "empty.html"}
    for url in pages.values():  # one warm-up load each
        load_ms(page, url)
    results = []
    for r in range(rounds):
        order = ["quorvel", "empty"] if r % 2 == 0 else ["empty", "quorvel"]
        medians = {}
        for name in order:
            medians[name] = statistics.median(load_ms(page, pages[name]) for _ in range(loads))
        results.append((medians["quorvel"], medians["empty"]))
        print(f"  round {r + 1}: quorvel {medians['quorvel']:.1f} ms, empty page "
              f"{medians['empty']:.1f} ms, ratio {medians['quorvel'] / medians['empty']:.2f}")
    results.sort(key=lambda qe: qe[0] / qe[1])
    return results[len(results) // 2]


def browser_handlers(page, base):
    page.send("Page.navigate", url=base + "quorvel/")
    page.wait_for("globalThis.quorvel && quorvel.painted")
    return {h: page.evaluate(f"quorvel.core.handlerMicros('{h}', 15, 200)") for h, _ in HANDLERS}


def node_handlers(site):
    script = ("const m = require(process.argv[1]);"
              "m().then(q => { q.ccall('quorvel_open', 'string', ['number','number','number'],"
              " [1, 1280, 1024]);"
              + "".join(f"console.log('{h}', q.ccall('quorvel_handler_micros', 'number',"
                        f" ['string','number','number'], ['{h}', 15, 200]));"
                        for h, _ in HANDLERS) + "});")
    out = subprocess.run(["node", "--no-experimental-fetch", "-e", script,
                          os.path.abspath(os.path.join(site, "quorvel.js"))],
                         capture_output=True, text=True, check=True).stdout
    return {line.split()[0]: float(line.split()[1]) for line in out.splitlines()}


def native_handlers(program):
    out = subprocess.run([program], capture_output=True, text=True, check=True).stdout
    return {line.split()[0]: float(line.split()[1]) for line in out.splitlines()}


def weight(site):
    total = 0
    for name in PAGE_FILES:
        with open(os.path.join(site, name), "rb") as f:
            total += len(gzip.compress(f.read(), compresslevel=9))
    return total


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--site", required=True)
    parser.add_argument("--native", required=True)
    parser.add_argument("--rounds", type=int, default=8)
    parser.add_argument("--loads", type=int, default=10)
    args = parser.parse_args()

    print("== page weight, gzipped (-9)")
    for name in PAGE_FILES:
        with open(os.path.join(args.site, name), "rb") as f:
            data = f.read()
        print(f"  {name}: {len(data) / 1024:.1f} KB, gzipped "
              f"{len(gzip.compress(data, compresslevel=9)) / 1024:.1f} KB")
    total = weight(args.site)
    print(f"whole page: {total / 1024:.1f} KB gzipped (target 300 KB)")

    with tempfile.TemporaryDirectory(prefix="quorvel-bench-") as root:
        os.symlink(os.path.abspath(args.site), os.path.join(root, "quorvel"))
        with open(os.path.join(os.path.dirname(__file__), "empty.html"), "rb") as f:
            empty = f.read()
        with open(os.path.join(root, "empty.html"), "wb") as f:
            f.write(empty)
        with cdp.site_server(root) as base, cdp.chromium() as page:
            print(f"== start-up to every plot painted ({args.rounds} alternating rounds of "
                  f"{args.loads} loads each)")
            quorvel, floor = start_up(page, base, args.rounds, args.loads)
            print(f"median round: quorvel {quorvel:.1f} ms, empty page {floor:.1f} ms, ratio "
                  f"{quorvel / floor:.2f} (target 1.3)")
            print("== handlers (median of 15 rounds of 200 runs)")
            in_browser = browser_handlers(page, base)
    in_node = node_handlers(args.site)
    native = native_handlers(args.native)
    for handler, what in HANDLERS:
        print(f"{what}: WebAssembly in Chromium {in_browser[handler]:.1f} µs, under node "
              f"{in_node[handler]:.1f} µs, native {native[handler]:.1f} µs; ratio "
              f"{in_browser[handler] / native[handler]:.2f} (target 2)")


if __name__ == "__main__":
    main()
