#!/usr/bin/env python3
"""The page settles where it first shows, in headless Chromium with classic scroll bars
(which take room, as on most desktops): a layout-shift observer installed before anything
loads reports no shift over the whole load, fonts included, and from the first frame that
shows the window to two seconds after the page is ready, every animation frame finds the
window's box and the page's width (without its scroll bar) the same, the window within
that width. Tried on the five devices the page is made for ("devices", touch and all)
and at a table of viewport sizes on either side of each fit's edge ("sizes").

  settled_test.py --site build/web-probe devices|sizes
  settled_test.py --list

Exit status: 0 passed, 1 failed, 77 skipped (Chromium or python3-websocket missing).
"""

import argparse
import os
import sys

# No bytecode is left in the source tree; the helpers every driver shares (quorvel_drive)
# come from tests/drive through PYTHONPATH, as ctest runs it.
sys.dont_write_bytecode = True

from quorvel_drive import cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402

from devices_test import DEVICES, Device  # noqa: E402

# Viewports (CSS pixels, a mouse) at and beside each edge where the fit changes, where a
# scroll bar's 15 pixels would carry the page across it: the whole window's height-bound
# and width-bound fits (at 1350 wide the edge is 949 high, or 939 with a bar), the turn
# from the side-by-side columns to the portrait arrangement (width equals height), and
# the portrait arrangement just taller or shorter than the viewport.
SIZES = [(1350, h) for h in (930, 938, 940, 945, 949, 950, 960)] + \
        [(1280, h) for h in (885, 890, 895, 900, 901, 905)] + \
        [(900, 899), (900, 900), (900, 901), (900, 915), (886, 900)] + \
        [(300, h) for h in (1600, 1615, 1650, 1699, 1700, 1720)]
SETTLE_MS = 2000

# Installed before the page's first script: adds up the layout shifts (with what moved)
# and samples, at every animation frame, the page's width and the window's box once the
# window shows.
WATCH = """(() => {
  const watched = globalThis.settledWatch = {shift: 0, sources: [], frames: []};
  new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) {
      watched.shift += entry.value;
      for (const s of entry.sources ?? []) {
        const r = s.previousRect, n = s.currentRect;
        watched.sources.push(`${s.node?.id || s.node?.className || s.node?.nodeName}: ` +
          `${r.x},${r.y} ${r.width}x${r.height} -> ${n.x},${n.y} ${n.width}x${n.height}`);
      }
    }
  }).observe({type: "layout-shift", buffered: true});
  const frame = () => {
    const root = document.getElementById("window");
    if (root?.isConnected && root.childElementCount) {
      const r = root.getBoundingClientRect();
      watched.frames.push([performance.now(), document.documentElement.clientWidth,
                           r.left + scrollX, r.top + scrollY, r.width, r.height]);
    }
    requestAnimationFrame(frame);
  };
  requestAnimationFrame(frame);
})()"""
READY = "globalThis.quorvel && quorvel.painted && document.fonts.status === 'loaded'"


def settled(page, url, what):
    """Loads the page and watches it; returns what is wrong with how it settled."""
    page.navigate(url)
    page.wait_for(READY, timeout=60)
    ready = page.evaluate("performance.now()")
    # Frames are sampled for two seconds after the page is ready (bounded: a page that
    # paints no frames fails here).
    page.wait_for(f"settledWatch.frames.at(-1)?.[0] > {ready + SETTLE_MS}", timeout=30)
    watched = page.evaluate("settledWatch")
    problems = []
    if watched["shift"] != 0:
        moves = list(dict.fromkeys(watched["sources"]))
        problems.append(f"layout shift {watched['shift']:.4f} ({'; '.join(moves[:4])})")
    first = watched["frames"][0][1:]
    moved = [f for f in watched["frames"] if f[1:] != first]
    if moved:
        problems.append(f"{len(moved)} of {len(watched['frames'])} frames differ from the first "
                        f"(width, left, top, w, h {first}); e.g. {moved[0][1:]} at "
                        f"{moved[0][0]:.0f} ms")
    # A fit made for a width the page no longer has would spill past its edge.
    width, left, _, across, _ = first
    if left + across > width + 0.5:
        problems.append(f"the window spans {left:.1f} … {left + across:.1f} of a page {width} wide")
    if not problems:
        print(f"  {what}: no layout shift; {len(watched['frames'])} frames over "
              f"{watched['frames'][-1][0] - watched['frames'][0][0]:.0f} ms all at width "
              f"{first[0]}, the window at {first[1]:.1f},{first[2]:.1f} "
              f"{first[3]:.1f}x{first[4]:.1f}")
    return [f"{what}: {p}" for p in problems]


def on_devices(url):
    problems = []
    for name, device in DEVICES.items():
        problems += on_screen(url, device, name)
    return problems


def at_sizes(url):
    problems = []
    for width, height in SIZES:
        problems += on_screen(url, Device(width, height, 1, False), f"{width}x{height}")
    return problems


def on_screen(url, device, what):
    with cdp.chromium(device.width, device.height, device.ratio, scroll_bars=True) as page:
        page.send("Emulation.setDeviceMetricsOverride", width=device.width,
                  height=device.height, deviceScaleFactor=device.ratio, mobile=device.touch)
        if device.touch:
            page.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        page.send("Page.enable")
        page.send("Page.addScriptToEvaluateOnNewDocument", source=WATCH)
        return settled(page, url, what)


SCENARIOS = {"devices": on_devices, "sizes": at_sizes}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print the scenarios")
    parser.add_argument("--site")
    parser.add_argument("scenario", nargs="?", choices=sorted(SCENARIOS))
    args = parser.parse_args()
    if args.list:
        print(" ".join(SCENARIOS))
        return 0
    print(f"settled: {args.scenario}")
    return run_and_report(lambda: run(args), failures=(cdp.ProtocolError,))


def run(args):
    missing = cdp.chromium_missing()
    if missing:
        raise Skipped(missing)
    if not os.path.exists(os.path.join(args.site, "quorvel.wasm")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    with servers.preview(args.site) as served:
        problems = SCENARIOS[args.scenario](served.url)
    if problems:
        raise Failure("\n".join(problems))


if __name__ == "__main__":
    sys.exit(main())
