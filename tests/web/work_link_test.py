#!/usr/bin/env python3
"""A student's work kept and shared on the web page: a reload mid-exercise (in Chromium,
in Chromium as a phone, in Firefox) shows every plot pixel for pixel and every value as
before; the address "Copy a link to my work" copies opens, in a fresh load, the window it
was copied from; and a bad work link is refused with the core's reason, leaving the
window as a fresh start has it.

  work_link_test.py --site build/web-probe --out DIR SCENARIO
  work_link_test.py --list

Exit status: 0 passed, 1 failed, 77 skipped (no browser or python3-websocket).
"""

import argparse
import hashlib
import json
import os
import sys
from urllib.parse import quote

sys.dont_write_bytecode = True

from quorvel_drive import bidi, cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402

from opened_page import open_page  # noqa: E402

# Every kind of change a student makes: the level, n and sin, k, CALC, the trial
# coefficients up and down, and ANS.
EVENTS = ["Spin_lebel_SpinUp", "Spin_n_SpinUp", "Spin_n_SpinUp", "switch_s_Click",
          "Spin_k_SpinDown", "Command3_Click", "Spin_a0_SpinDown", "Spin_a1_SpinUp",
          "Spin_a1_SpinUp", "Spin_b2_SpinUp", "Spin_a4_SpinUp", "Spin_a4_SpinDown",
          "Command4_Click"]

# A phone held upright, as Chromium emulates it: its size, pixel ratio and touch.
PHONE = {"width": 393, "height": 852, "deviceScaleFactor": 2.75, "mobile": True}


def snapshot(page):
    """What the window shows: its state line without the event that led to it, every
    caption and option, and a digest of every canvas's pixels."""
    shown = page.evaluate("""(() => {
        const state = quorvel.core.state();
        delete state.event;
        const canvases = {};
        for (const surface of document.querySelectorAll('[data-name]')) {
          const canvas = surface.querySelector('canvas');
          if (!canvas) continue;
          const data = canvas.getContext('2d').getImageData(0, 0, canvas.width,
                                                            canvas.height).data;
          let text = '';
          for (let i = 0; i < data.length; i += 0x8000)
            text += String.fromCharCode(...data.subarray(i, i + 0x8000));
          canvases[surface.dataset.name] = [canvas.width, canvas.height, btoa(text)];
        }
        const captions = {};
        for (const label of document.querySelectorAll('[data-name]')) {
          if (!label.querySelector('canvas'))
            captions[label.dataset.name] = [label.textContent, !label.hidden];
        }
        return JSON.stringify({state, captions, canvases,
                               high: document.documentElement.dataset.palette ?? null});
    })()""")
    taken = json.loads(shown)
    taken["canvases"] = {name: (w, h, hashlib.sha256(data.encode()).hexdigest())
                         for name, (w, h, data) in taken["canvases"].items()}
    return taken


def differences(before, after):
    out = [f"state: {before['state']} then {after['state']}"] \
        if before["state"] != after["state"] else []
    for part in ("captions", "canvases"):
        for name in sorted(set(before[part]) | set(after[part])):
            if before[part].get(name) != after[part].get(name):
                out.append(f"{part[:-1]} {name}: {before[part].get(name)} then "
                           f"{after[part].get(name)}")
    return out


def expect_same(before, after, what):
    problems = differences(before, after)
    if problems:
        raise Failure(f"{what}: " + "; ".join(problems[:6]))
    print(f"  {what}: the same state, {len(after['canvases'])} canvases pixel for pixel")


def started_again(page, go):
    """Runs go() (a reload, a navigation) and waits for the new page's window."""
    page.evaluate("globalThis.beforeReload = true")
    go()
    page.wait_for("!globalThis.beforeReload && globalThis.quorvel && quorvel.painted")
    page.wait_for("document.fonts.status === 'loaded'")


def reload(page, engine):
    if engine == "firefox":
        started_again(page, lambda: page.send("browsingContext.reload", context=page.context,
                                              wait="complete"))
    else:
        started_again(page, lambda: page.send("Page.reload"))


def load(page, url):
    started_again(page, lambda: page.navigate(url))


def reload_keeps(engine, phone=False):
    def scenario(args, url):
        browser = bidi.firefox() if engine == "firefox" else cdp.chromium()
        with browser as page:
            if phone:
                page.send("Emulation.setDeviceMetricsOverride", **PHONE)
                page.send("Emulation.setTouchEmulationEnabled", enabled=True)
            open_page(page, url)
            fresh = snapshot(page)
            for handler in EVENTS:
                page.evaluate(f"quorvel.raise('{handler}')")
            before = snapshot(page)
            if not differences(fresh, before):
                raise Failure("the events changed nothing to keep")
            reload(page, engine)
            expect_same(before, snapshot(page), f"reloaded in {engine}"
                        + (" as a phone" if phone else ""))
            # A kept state edited by hand is refused: the page starts as new.
            page.evaluate("""(() => {
                const kept = sessionStorage.getItem('quorvel.kept');
                sessionStorage.setItem('quorvel.kept', kept.replace('|1.', '|1.X'));
            })()""")
            reload(page, engine)
            expect_same(fresh, snapshot(page), "reloaded over an edited kept state")
    return scenario


def copied_link(page):
    """The address "Copy a link to my work" copies, the clipboard caught on its way."""
    page.evaluate("""(() => {
        navigator.clipboard.writeText = (text) => {
          globalThis.copiedLink = text;
          return Promise.resolve();
        };
        document.querySelector('#window').dispatchEvent(new MouseEvent('contextmenu',
          {bubbles: true, clientX: 20, clientY: 20}));
    })()""")
    page.wait_for("document.getElementById('context-menu')?.matches(':popover-open')",
                  timeout=5)
    page.evaluate("""[...document.querySelectorAll('#context-menu [role=menuitem]')]
        .find((item) => item.textContent === 'Copy a link to my work').click()""")
    page.wait_for("document.getElementById('fault').open", timeout=5)
    said = page.evaluate("document.getElementById('fault-text').textContent")
    if "is copied" not in said:
        raise Failure(f"after the copy the page says {said!r}")
    page.evaluate("document.getElementById('fault-ok').click()")
    return page.evaluate("globalThis.copiedLink")


def work_link(args, url):
    with cdp.chromium() as page:
        open_page(page, url)
        for handler in EVENTS:
            page.evaluate(f"quorvel.raise('{handler}')")
        before = snapshot(page)
        link = copied_link(page)
        if "#work=" not in link:
            raise Failure(f"the copied address is {link}")
        print(f"  copied {link}")
        # Another tab's first load: nothing kept there.
        page.evaluate("sessionStorage.clear()")
        load(page, link.replace("#", "?another=load#", 1))
        expect_same(before, snapshot(page), "the link opened afresh")


# Bad work texts (the exercise code is made at the page) and a part of the reason the core
# gives for each.
BAD = [
    ("wrong check", "1.{bad_check}.2.c.30.0.0.0.0.0.0.0.0.0.0.0", "check character"),
    ("unknown level", "1.{level_9}.2.c.30.0.0.0.0.0.0.0.0.0.0.0", "level 9"),
    ("too long", "1.{code}.2.c.30.0.0.0.0.0.0.0.0.0.0.0" + "0" * 60, "at most 80"),
    ("out of range", "1.{code}.2.c.30.0.0.0.0.0.0.0.11.0.0.0", "b3 is 11"),
    ("missing fields", "1.{code}.2.c.30", "has 5 parts, not 16"),
    ("script in a field", "1.{code}.<script>alert(1)</script>.c.30.0.0.0.0.0.0.0.0.0.0.0",
     "n is '<script>aler'"),
]


def level_9_code(page):
    """The code of an exercise at level 9, which no window of four levels has: taken from
    a page whose levels the tests' module lets run that high."""
    page.evaluate("quorvel.core.module.ccall('quorvel_test_set_max_order', null, "
                  "['number'], [9])")
    for _ in range(8):
        page.evaluate("quorvel.core.raise('Spin_lebel_SpinUp')")  # past the arrays: faults
    state = page.evaluate("quorvel.core.state()")
    if state["lebel"] != 9:
        raise Failure(f"the level went to {state['lebel']}, not 9")
    return state["exercise"]


def bad_work_links(args, url):
    with cdp.chromium() as page:
        open_page(page, url)
        fresh = snapshot(page)
        code = fresh["state"]["exercise"].replace("-", "")
        last = "A" if code[-1] != "A" else "B"
        texts = {"code": code, "bad_check": code[:-1] + last, "level_9": level_9_code(page)}
        page.evaluate("sessionStorage.clear()")
        load(page, url)
        fresh = snapshot(page)
        for name, pattern, reason in BAD:
            text = quote(pattern.format(**texts), safe="")
            # Followed as the fragment changes, then as the address a page is loaded at.
            for how in ("hash", "load"):
                page.evaluate("sessionStorage.clear()")
                if how == "hash":
                    load(page, url)
                    page.evaluate(f"location.hash = {json.dumps('#work=' + text)}")
                else:
                    load(page, f"{url}?{quote(name)}#work={text}")
                page.wait_for("document.getElementById('fault').open", timeout=5)
                told = page.evaluate("document.getElementById('fault-text').textContent")
                if reason not in told:
                    raise Failure(f"{name} ({how}): the page says {told!r}, not {reason!r}")
                page.evaluate("document.getElementById('fault-ok').click()")
                page.wait_for("!document.getElementById('fault').open", timeout=5)
                expect_same(fresh, snapshot(page), f"{name} by {how}: {told}")


SCENARIOS = {
    "reload_chromium": reload_keeps("chromium"),
    "reload_phone": reload_keeps("chromium", phone=True),
    "reload_firefox": reload_keeps("firefox"),
    "work_link": work_link,
    "bad_work_links": bad_work_links,
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print the scenario names")
    parser.add_argument("--site")
    parser.add_argument("--out")
    parser.add_argument("scenario", nargs="?")
    args = parser.parse_args()
    if args.list:
        print(" ".join(SCENARIOS))
        return 0
    if args.scenario not in SCENARIOS:
        parser.error(f"no scenario {args.scenario!r}; there are {', '.join(SCENARIOS)}")
    print(f"scenario {args.scenario}")
    return run_and_report(lambda: run(args), failures=(cdp.ProtocolError,))


def run(args):
    missing = bidi.firefox_missing() if args.scenario.endswith("firefox") \
        else cdp.chromium_missing()
    if missing:
        raise Skipped(missing)
    if not os.path.exists(os.path.join(args.site, "quorvel.wasm")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    os.makedirs(args.out, exist_ok=True)
    with servers.SERVERS["preview"](args.site) as served:
        SCENARIOS[args.scenario](args, served.url)


if __name__ == "__main__":
    sys.exit(main())
