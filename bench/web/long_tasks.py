#!/usr/bin/env python3
"""The page's long tasks on load (over 50 ms) in headless Chromium with its CPU slowed
down four times, as Lighthouse's phone is: a 'longtask' observer installed before the
page's first script lists them, with where each began, until two seconds after the page
is ready.

  long_tasks.py --site build/web-probe [--loads 5]

Run with PYTHONPATH=tests/drive (the web tests' browser and servers).
"""

import argparse
import statistics
import sys

sys.dont_write_bytecode = True
from quorvel_drive import cdp, servers  # noqa: E402

OBSERVE = """
globalThis.longTasks = [];
new PerformanceObserver((list) => {
  for (const entry of list.getEntries()) longTasks.push([entry.startTime, entry.duration]);
}).observe({ type: "longtask", buffered: true });
"""
MARKS = """Object.fromEntries(["plots-painted", "core-ready"].map(
  (name) => [name, performance.getEntriesByName(name)[0]?.startTime ?? null]))"""


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--site", required=True)
    parser.add_argument("--loads", type=int, default=5)
    parser.add_argument("--slowdown", type=float, default=4)
    args = parser.parse_args()
    longest = []
    with servers.preview(args.site) as served, cdp.chromium() as page:
        page.send("Page.enable")
        page.send("Network.enable")
        page.send("Network.setCacheDisabled", cacheDisabled=True)
        page.send("Network.setBypassServiceWorker", bypass=True)
        page.send("Emulation.setCPUThrottlingRate", rate=args.slowdown)
        page.send("Page.addScriptToEvaluateOnNewDocument", source=OBSERVE)
        for load in range(args.loads):
            page.send("Page.navigate", url=served.url)
            page.wait_for("globalThis.quorvel && quorvel.painted", timeout=120)
            ready = page.evaluate("performance.now()")
            page.wait_for(f"performance.now() > {ready + 2000}", timeout=30, poll=0.2)
            tasks = page.evaluate("longTasks")
            marks = page.evaluate(MARKS)
            longest.append(max((d for _, d in tasks), default=0))
            print(f"load {load + 1}: marks " + ", ".join(
                f"{k} {v:.0f} ms" for k, v in marks.items() if v is not None)
                + "; long tasks " + (", ".join(f"{d:.0f} ms at {s:.0f}" for s, d in tasks)
                                     or "none"))
    print(f"longest task, median of {args.loads} loads at {args.slowdown:g}x slower CPU: "
          f"{statistics.median(longest):.0f} ms")


if __name__ == "__main__":
    main()
