#!/usr/bin/env python3
"""The web page in headless Chromium, worked as a student would: clicks at the layout
table's click points and keys through the DevTools protocol. The handlers each step
raises also go to the desktop's quorvel-replay, and at every check every plot surface of
the page must equal the replay's snapshot pixel for pixel (leaving out what lies over a
surface: its "T" mark or "Spectol", whose text each toolkit draws its own way, and a
neighbour's edge), and every caption the replay reports must read the same on the page.

  browser_test.py --site build/web-probe --replay quorvel-replay --out DIR
                  [--server preview|nginx] SCENARIO
  browser_test.py --list

Exit status: 0 passed, 1 failed, 77 skipped (no Chromium or python3-websocket).
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile

# No bytecode is left in the source tree; the helpers every driver shares (quorvel_drive)
# come from tests/drive through PYTHONPATH, as ctest runs it.
sys.dont_write_bytecode = True

from quorvel_drive import cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.images import differing_pixels, keep, read_png  # noqa: E402
from quorvel_drive.replay import raisable_events, replay_checkpoints, run_replay  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402
from quorvel_drive.steps import (DOWN, UP, Check, Click, Spin, exercise,  # noqa: E402
                                 random_clicks)

from opened_page import caption_problems, open_page, screen_shows_canvases  # noqa: E402
from window_page import CANVAS_COVERS  # noqa: E402


def exercise_and_more(start):
    """The road of one exercise, as the desktop's test walks it; then the next example at
    level 4 with k 30, n pushed past its bound and CALC."""
    return exercise(start) + [
        Spin("Spin_lebel", UP, 4),
        Spin("Spin_k", DOWN, 2),
        Spin("Spin_n", UP, 5),
        Click("Command3"),
    ]


def soak(events):
    """600 random clicks at the click points of every button and both arrows of every
    spinner (the events the replay lists), compared after every 150."""
    return random_clicks(random.Random(20240611), events, 600, 150)


# ----------------------------------------------------------------------------------------
# Comparison with the replay.

def compare(wp, snap, state, note, out_dir):
    problems = []
    for s in wp.surfaces():
        drawn = wp.canvas_image(s.name)
        if (drawn.width, drawn.height) != (s.w, s.h):
            problems.append(f"{s.name} is {drawn.width}x{drawn.height}, not {s.w}x{s.h}")
            continue
        over = wp.covering(s.name)
        want = snap.crop(*s.box).masked(over)
        got = drawn.masked(over)
        if want != got:
            kept = keep(os.path.join(out_dir, f"{note}-{s.name}".replace(" ", "_")),
                        replay=want, web=got)
            problems.append(f"{s.name}: {len(differing_pixels(want, got))} pixels differ "
                            f"({kept})")
    problems += caption_problems(wp, state)
    if problems:
        raise Failure(f"{note}: " + "; ".join(problems))
    print(f"  {note}: {len(wp.surfaces())} surfaces equal to the replay's, captions equal")


# ----------------------------------------------------------------------------------------

def run_steps(args, steps, url):
    """Performs the steps on the page; at every Check the events the page raised so far go
    through the replay, and the page must equal its snapshot."""
    if not isinstance(steps[-1], Check):
        steps = steps + [Check("end")]
    with cdp.chromium() as page:
        wp = open_page(page, url)
        clicked = []
        for step in steps:
            step.perform(wp)
            clicked += step.handlers()
            if isinstance(step, Check):
                raised = [h for h, _ in page.evaluate("quorvel.raised")]
                check_raised(step.note, clicked, raised)
                states, snaps, _ = replay_checkpoints(args.replay, [raised])
                compare(wp, snaps[0], states[0], step.note, args.out)
        print(f"  {len(clicked)} events clicked and replayed")
        screen_shows_canvases(wp, args.out)


def check_raised(note, clicked, raised):
    """Every click raised its one event and nothing else, save that a spin arrow whose
    release a stalled machine held back for 400 ms repeats, as a held arrow must."""
    i = 0
    for event in raised:
        if i < len(clicked) and event == clicked[i]:
            i += 1
        elif not (i > 0 and "_Spin" in event and event == clicked[i - 1]):
            break
    else:
        if i == len(clicked):
            if len(raised) > len(clicked):
                print(f"  {note}: {len(raised) - len(clicked)} arrow repeats from a stall")
            return
    raise Failure(f"{note}: the page raised {len(raised)} events for the {len(clicked)} "
                  f"clicked, not in step with them")


def value_of(name):
    return f"document.querySelector('[data-name=\"{name}\"]').textContent"


def fault(args, url):
    """A runtime fault: the window's message in a modal dialog, what the handler wrote
    before it kept, nothing raised nor the help opened while the dialog is up, and the
    next click working."""
    with cdp.chromium() as page:
        wp = open_page(page, url)
        page.evaluate("quorvel.core.setMaxOrder(5)")  # ANS then reads past harmonic 4
        wp.click("Command4")
        page.wait_for("document.getElementById('fault').open")
        told = page.evaluate("document.getElementById('fault-text').textContent")
        if "Subscript out of range" not in told or "carry on" not in told:
            raise Failure(f"the dialog says {told!r}")
        if not wp.shown("ans_a(4)"):
            raise Failure("ans_a(4), written before the fault, is not shown")
        count = len(page.evaluate("quorvel.raised"))
        wp.click("Spin_n", UP)
        if len(page.evaluate("quorvel.raised")) != count:
            raise Failure("a click behind the dialog reached the window")
        # F1 opens the help at once or never: not over the fault.
        press(page, "F1")
        if page.evaluate(HELP_OPEN):
            raise Failure("F1 opened the help over the fault's dialog")
        ok = page.evaluate("(() => { const r = document.getElementById('fault-ok')"
                           ".getBoundingClientRect(); return [r.x + r.width / 2,"
                           " r.y + r.height / 2]; })()")
        page.click(*ok)
        page.wait_for("!document.getElementById('fault').open")
        page.evaluate("quorvel.core.setMaxOrder(4)")
        wp.click("Spin_n", UP)
        page.wait_for(f"{value_of('value_n')} === '1'", timeout=5)
        print(f"  told: {told}")
        print("  after OK the next click works: n = 1")


def zoom(args, url):
    """At device pixel ratios of 1.5, 2 and 3 (a browser's zoom, a high-density screen),
    with the window at its own size: every surface is drawn afresh at its device pixels,
    the canvas holds ratio × its size (rounded) and only colours the program draws with
    (nothing smoothed), and the screen shows it pixel for pixel. Then a click redraws at
    that ratio too."""
    width, height = 647, 455
    with cdp.chromium(width, height) as page:
        wp = open_page(page, url)
        drawn_with = program_colours(wp)
        for ratio in (1.5, 2, 3):
            # An emulated ratio changes without the event a real change of screen or zoom
            # sends; a viewport a pixel wider, then back, makes the page look again.
            for wide in (width + 1, width):
                page.send("Emulation.setDeviceMetricsOverride", width=wide, height=height,
                          deviceScaleFactor=ratio, mobile=False)
            page.wait_for(f"devicePixelRatio === {ratio}")
            for s in wp.surfaces():
                page.wait_for(f"document.querySelector('[data-name=\"{s.name}\"] canvas')"
                              f".width === {round_half_up(s.w * ratio)}")
                extra = colours(wp.canvas_image(s.name)) - drawn_with
                if extra:
                    raise Failure(f"{s.name} at ratio {ratio} has colours the program never "
                                  f"draws with: {sorted(extra)[:5]}")
            print(f"  ratio {ratio}: every canvas at {ratio}x, only the program's colours")
            screen_shows_canvases(wp, args.out)
        wp.click("Spin_a1", UP)
        page.wait_for(f"{value_of('value_a(1)')} === '1'", timeout=5)
        image = wp.canvas_image("campus_a(1)")
        if image.width != wp.places["campus_a(1)"].w * 3:
            raise Failure("a surface redrawn after the zoom is not at the new ratio")
        screen_shows_canvases(wp, args.out)


def round_half_up(v):
    """Whole device pixels as the core rounds them (169 × 1.5 = 253.5 gives 254)."""
    return int(v + 0.5)


def colours(image):
    return {image.rgb[i:i + 3] for i in range(0, len(image.rgb), 3)}


# The colours the drawing procedures set (black, red, green, blue, dark orange, light
# yellow, white, as RGB); a smoothed edge would bring others.
PROCEDURE_COLOURS = ["000000", "ff0000", "00ff00", "0000ff", "c04000", "ffffc0", "ffffff"]


def program_colours(wp):
    """Those and every surface's own background, drawing and fill colours."""
    found = set(PROCEDURE_COLOURS)
    for row in wp.rows:
        if row["kind"] == "picture":
            found |= {c.lstrip("#") for c in (row["back"], row["fore"]) if c}
    return {bytes.fromhex(c) for c in found}


def narrow(args, url):
    """On a phone's viewport (360 CSS pixels wide, ratio 2) the window fills the width,
    without a horizontal scroll bar; its surfaces are drawn at the device pixels they then
    cover, and a click at the scaled click point works."""
    with cdp.chromium(width=360, height=640, scale=2) as page:
        wp = open_page(page, url)
        width = page.evaluate("document.getElementById('window').getBoundingClientRect().width")
        if not 359 <= width <= 360.01:
            raise Failure(f"the window is {width} CSS pixels wide on a 360 pixel viewport")
        if page.evaluate("document.documentElement.scrollWidth > innerWidth"):
            raise Failure("the page scrolls sideways")
        problems = page.evaluate(CANVAS_COVERS)
        if problems:
            raise Failure("; ".join(problems))
        wp.click("Spin_a0", UP)
        page.wait_for(f"{value_of('value_a(0)')} === '1'", timeout=5)
        print(f"  {width:.1f} CSS pixels wide (x{wp.scale():.3f}); surfaces at their device "
              f"pixels; a0 stepped by a click")


KEY = {"Tab": ("Tab", 9, None), "Up": ("ArrowUp", 38, None), "Down": ("ArrowDown", 40, None),
       "Enter": ("Enter", 13, "\r"), "Space": ("Space", 32, " "), "F1": ("F1", 112, None),
       "Esc": ("Escape", 27, None), "Menu": ("ContextMenu", 93, None),
       "C": ("KeyC", 67, None), "H": ("KeyH", 72, None), "O": ("KeyO", 79, None),
       "S": ("KeyS", 83, None)}
ALT, CTRL = 1, 2


def press(page, name, shift=False, modifiers=0):
    code, key_code, text = KEY[name]
    key = {"Space": " ", "C": "c", "H": "h", "O": "o", "S": "s"}.get(name, code)
    params = {"key": key, "code": code, "windowsVirtualKeyCode": key_code,
              "modifiers": (8 if shift else 0) | modifiers}
    page.send("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown",
              text=text or "", **params)
    page.send("Input.dispatchKeyEvent", type="keyUp", **params)


def focused(page):
    return page.evaluate("document.activeElement?.dataset?.name ?? null")


def keyboard(args, url):
    """Tab visits the desktop's Tab order (hidden controls skipped) with a visible focus;
    Shift+Tab goes back; Up and Down step a spin button; Enter clicks a push button and
    Space an option button. What the keys raised then equals the replay's pixels."""
    with cdp.chromium() as page:
        wp = open_page(page, url)
        order = [n for n in wp.description["tab_order"] if wp.places[n].shown]
        visited = []
        for _ in order:
            press(page, "Tab")
            visited.append(focused(page))
            style = page.evaluate("getComputedStyle(document.activeElement).outlineStyle + ' ' +"
                                  " getComputedStyle(document.activeElement, '::after')"
                                  ".outlineStyle")
            if "dotted" not in style:
                raise Failure(f"{visited[-1]} has the focus without showing it ({style})")
        if visited != order:
            raise Failure(f"Tab visits {visited}, not {order}")
        print(f"  Tab visits all {len(order)} stops in the desktop's order, each showing it")
        press(page, "Tab", shift=True)
        if focused(page) != order[-2]:
            raise Failure(f"Shift+Tab from {order[-1]} goes to {focused(page)}")
        for key in ("Up", "Up", "Up", "Down"):
            press(page, key)
        steps = [("Command3", "Enter"), ("switch_s", "Space"), ("Command3", "Enter"),
                 ("switch_c", "Down"), ("switch_s", "Up")]
        for name, key in steps:
            page.evaluate(f"document.querySelector('[data-name=\"{name}\"]').focus()")
            press(page, key)
        # The arrows take cos and sin to each other, the focus with them, as on the desktop.
        if focused(page) != "switch_c":
            raise Failure(f"Up on sin left the focus on {focused(page)}")
        raised = [h for h, _ in page.evaluate("quorvel.raised")]
        b = order[-2].removeprefix("Spin_")
        expected = [f"Spin_{b}_SpinUp"] * 3 + [f"Spin_{b}_SpinDown"] + \
            ["Command3_Click", "switch_s_Click", "Command3_Click", "switch_s_Click",
             "switch_c_Click"]
        if raised != expected:
            raise Failure(f"the keys raised {raised}, not {expected}")
        states, snaps, _ = replay_checkpoints(args.replay, [raised])
        compare(wp, snaps[0], states[0], "after the keys", args.out)


def hold(args, url):
    """An arrow held down repeats, the first repeat after 400 ms and then every 60 ms or
    so, up to the bound; released, it stops repeating at once; then a click steps once."""
    with cdp.chromium() as page:
        wp = open_page(page, url)
        index = next(i for i, r in enumerate(wp.rows) if r["name"] == "Spin_a2")
        x, y = wp.at(*wp.places["Spin_a2"].arrow(UP))
        page.mouse("mouseMoved", x, y, button="none")
        page.mouse("mousePressed", x, y)
        page.wait_for(f"{value_of('value_a(2)')} === '10'", timeout=10)
        page.mouse("mouseReleased", x, y)
        if page.evaluate(f"quorvel.controls[{index}].isRepeating()"):
            raise Failure("still repeating after the release")
        times = [t for h, t in page.evaluate("quorvel.raised")]
        gaps = [b - a for a, b in zip(times, times[1:])]
        if gaps[0] < 395 or min(gaps[1:]) < 55:
            raise Failure(f"repeats came too soon: {[round(g) for g in gaps]}")
        wp.click("Spin_a2", DOWN)
        page.wait_for(f"{value_of('value_a(2)')} === '9'", timeout=5)
        raised = [h for h, _ in page.evaluate("quorvel.raised")]
        print(f"  held: {len(raised) - 1} SpinUps, first repeat after {gaps[0]:.0f} ms, then "
              f"{min(gaps[1:]):.0f}-{max(gaps[1:]):.0f} ms apart; released; one click down")
        states, snaps, _ = replay_checkpoints(args.replay, [raised])
        compare(wp, snaps[0], states[0], "after the hold", args.out)


def accessibility(args, url):
    """The accessibility tree as a screen reader gets it: one level-one heading in a main
    landmark, push buttons, a radio group, spin buttons with their values and bounds, named
    plots as images, each control's description; the page's one status region is its only
    live region, and the labels are none."""
    with cdp.chromium() as page:
        wp = open_page(page, url)
        wp.click("Spin_a0", UP)
        wp.click("Command3")
        wp.click("Command4")
        page.send("Accessibility.enable")
        nodes = page.send("Accessibility.getFullAXTree")["nodes"]
        problems = check_tree(wp, nodes)
        props = [ax_props(n) for n in nodes if not n.get("ignored")]
        headings = [p["name"] for p in props if p["role"] == "heading" and p.get("level") == 1]
        if headings != ["Fourier Series"]:
            problems.append(f"the level-one headings are {headings}")
        if not any(p["role"] == "main" for p in props):
            problems.append("no main landmark")
        live = page.evaluate("[...document.querySelectorAll('[aria-live], [role=status], "
                             "[role=alert], [role=log]')].map((e) => e.id)")
        if live != ["status"]:
            problems.append(f"the live regions are {live}, not the one status region")
        if page.evaluate("document.querySelector('[aria-description], [role=application], "
                         "[tabindex]:not([tabindex=\"0\"]):not([tabindex=\"-1\"])') !== null"):
            problems.append("aria-description, role=application or a positive tabindex is left")
        if problems:
            raise Failure("; ".join(problems))


def ax_props(node):
    out = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
    out["role"] = node.get("role", {}).get("value")
    out["name"] = node.get("name", {}).get("value", "")
    out["value"] = node.get("value", {}).get("value")
    return out


def check_tree(wp, nodes):
    by_dom = {n.get("backendDOMNodeId"): n for n in nodes if "backendDOMNodeId" in n}
    ids = wp.page.evaluate("""(() => Object.fromEntries([...document.querySelectorAll(
        '[data-name]')].map(e => [e.dataset.name, e.id])))()""")
    problems, counted = [], {}
    for row in wp.rows:
        place = wp.places[row["name"]]
        if not place.shown or row["kind"] == "frame":
            continue
        backend = dom_backend_id(wp.page, ids[row["name"]])
        node = by_dom.get(backend)
        if node is None:
            if row["kind"] != "label":
                problems.append(f"{row['name']} is not in the accessibility tree")
            continue
        props = ax_props(node)
        want = {"push_button": "button", "option_button": "radio", "spin_button": "spinbutton",
                "picture": "image"}.get(row["kind"])
        if want and props["role"] != want:
            problems.append(f"{row['name']} has the role {props['role']}, not {want}")
        counted[want] = counted.get(want, 0) + 1
        text = row.get("accessible")
        if text and text.get("name") and props["name"] != text["name"]:
            problems.append(f"{row['name']} is named {props['name']!r}, not {text['name']!r}")
        if row["kind"] == "spin_button":
            readout = text.get("readout") if text else None
            if readout and str(props.get("value")) != wp.caption(readout).strip():
                problems.append(f"{row['name']} has the value {props.get('value')}, its "
                                f"readout shows {wp.caption(readout)!r}")
            if (props.get("valuemin"), props.get("valuemax")) != (row.get("min"), row.get("max")):
                problems.append(f"{row['name']} has the bounds {props.get('valuemin')} … "
                                f"{props.get('valuemax')}")
        if row["kind"] == "option_button" and props.get("checked") not in ("true", "false"):
            problems.append(f"{row['name']} does not tell whether it is checked")
        if text and text.get("description") and \
                node.get("description", {}).get("value") != text["description"]:
            problems.append(f"{row['name']} is described as "
                            f"{node.get('description', {}).get('value')!r}")
    print(f"  roles: {dict(sorted((k or 'none', v) for k, v in counted.items()))}")
    return problems


def dom_backend_id(page, element_id):
    document = page.send("DOM.getDocument", depth=0)["root"]["nodeId"]
    node = page.send("DOM.querySelector", nodeId=document, selector=f"#{element_id}")["nodeId"]
    return page.send("DOM.describeNode", nodeId=node)["node"]["backendNodeId"]


def core_help(site):
    """The help text straight from the module, under node: what the page must show. The
    bounds it tells are the form's, so the window is opened first."""
    import json
    import subprocess
    script = ("require(process.argv[1])().then((m) => {"
              "m.ccall('quorvel_open', 'string', ['number', 'number', 'number'], [1, 647, 455]);"
              "process.stdout.write(m.ccall('quorvel_help', 'string', [], []));})")
    out = subprocess.run(["node", "--no-experimental-fetch", "-e", script,
                          os.path.abspath(os.path.join(site, "quorvel.js"))],
                         capture_output=True, text=True, check=True, timeout=60).stdout
    return json.loads(out)


HELP_OPEN = "document.getElementById('help')?.open === true"


def help_shown(page):
    """What the open help dialog shows, read from the page as a reader meets it."""
    return page.evaluate("""(() => {
        const d = document.getElementById('help');
        const texts = (selector) => [...d.querySelectorAll(selector)].map(e => e.textContent);
        const pairs = (selector) => [...d.querySelectorAll(selector + ' dt')]
            .map(dt => [dt.textContent, dt.nextElementSibling.textContent]);
        return {
            tag: d.tagName, modal: d.matches(':modal'), heading: d.querySelector('h2')?.id,
            labelled: d.getAttribute('aria-labelledby'), title: texts('h2')[0],
            headings: texts('h3'), steps: texts('ol > li'), glossary: pairs('.help-glossary'),
            keys: pairs('.help-keys'), text: d.textContent,
            links: [...d.querySelectorAll('a')].map(a => a.getAttribute('href')),
            focus_inside: d.contains(document.activeElement),
        };
    })()""")


def check_help_dialog(page, help):
    """The dialog is a modal <dialog> named by its heading, holding the core's text with the
    keys of the web page, and each font's licence linked and served."""
    shown = help_shown(page)
    problems = []
    if (shown["tag"], shown["modal"]) != ("DIALOG", True):
        problems.append(f"the help is a {shown['tag']}, modal {shown['modal']}")
    if shown["labelled"] != shown["heading"] or shown["title"] != help["title"]:
        problems.append(f"the dialog is labelled {shown['labelled']!r} with the heading "
                        f"{shown['title']!r}")
    if not shown["focus_inside"]:
        problems.append("the keyboard focus is not in the dialog")
    page.send("Accessibility.enable")
    dialogs = [ax_props(n) for n in page.send("Accessibility.getFullAXTree")["nodes"]
               if n.get("role", {}).get("value") == "dialog"]
    if [d["name"] for d in dialogs] != [help["title"]] or dialogs[0].get("modal") is not True:
        problems.append(f"a screen reader finds the dialogs {dialogs}")
    want = {"headings": [help[k] for k in ("steps_heading", "glossary_heading",
                                           "readout_heading", "keys_heading",
                                           "about_heading")],
            "steps": help["steps"], "glossary": help["glossary"], "keys": help["keys"]}
    for part, expected in want.items():
        if shown[part] != expected:
            problems.append(f"its {part} are {shown[part]}, the core's {expected}")
    about = help["about"]
    for text in (help["intro"], help["readout"], about["version"], about["licence"],
                 about["copyright"], *(f["licence"] for f in about["fonts"])):
        if text not in shown["text"]:
            problems.append(f"it does not say {text!r}")
    files = [f["file"] for f in about["fonts"]]
    if None in files or shown["links"] != files:
        problems.append(f"it links {shown['links']} for the fonts' licences {files}")
    for href in shown["links"]:
        status = page.evaluate(f"fetch({href!r}).then(r => r.status)")
        if status != 200:
            problems.append(f"{href} answers {status}")
    if problems:
        raise Failure("; ".join(problems))
    return shown


def close_help_with_esc(page, focus_before, how):
    press(page, "Esc")
    page.wait_for(f"!({HELP_OPEN})", timeout=5)
    if focused(page) != focus_before:
        raise Failure(f"after {how} and Esc the focus is on {focused(page)}, not "
                      f"{focus_before}")


def help_dialog(args, url):
    """F1 opens the help over the window with the core's text; Esc closes it and the focus
    goes back to the control that had it. A right click anywhere on the window, or the Menu
    key, offers "How to use" (first), which opens the same dialog; Esc closes the menu
    alone as it does the help. No event reaches the window meanwhile."""
    help = core_help(args.site)
    with cdp.chromium(1000, 700) as page:
        wp = open_page(page, url)
        for _ in range(3):
            press(page, "Tab")
        before = focused(page)
        press(page, "F1")
        page.wait_for(HELP_OPEN, timeout=5)
        shown = check_help_dialog(page, help)
        print(f"  F1: a modal dialog headed {shown['title']!r}, {len(shown['steps'])} steps "
              f"and {len(shown['keys'])} keys as the core gives them, "
              f"{len(shown['links'])} licence links served")
        close_help_with_esc(page, before, "F1")
        print(f"  Esc closed it, the focus is back on {before}")

        # Where the focus is as the menu opens (a right click focuses what it lands on, as
        # a left click does): where it must come back.
        page.evaluate("document.addEventListener('contextmenu', () => { quorvel.focusAtMenu ="
                      " document.activeElement?.dataset?.name ?? null; }, true)")
        menu = "document.getElementById('context-menu')"
        # The Menu key first, while a control has the focus.
        openers = [("the Menu key", lambda: press(page, "Menu"))] + [
            (f"a right click on {name}", lambda name=name: wp.click(name, button="right"))
            for name in ("campus_ex", "Command3", "value_s")]
        for target, open_menu in openers:
            open_menu()
            page.wait_for(f"{menu}?.matches(':popover-open')", timeout=5)
            items = page.evaluate(f"[...{menu}.querySelectorAll('[role=menuitem]')]"
                                  ".map(e => e.textContent)")
            if items != ["How to use…", "Copy picture", "Language", "Share this exercise…",
                         "Open an exercise…", "Copy a link to my work", "Print worksheet…",
                         "Print answer key…"]:
                raise Failure(f"the menu from {target} offers {items}")
            if page.evaluate(f"document.activeElement.parentElement !== {menu}"):
                raise Failure(f"the menu from {target} leaves the keyboard focus on "
                              + page.evaluate("document.activeElement.outerHTML.slice(0, 80)"))
            press(page, "Esc")
            page.wait_for(f"!{menu}.matches(':popover-open')", timeout=5)
            if focused(page) != page.evaluate("quorvel.focusAtMenu") or \
                    page.evaluate(HELP_OPEN):
                raise Failure(f"Esc on the menu from {target} left the focus on "
                              f"{focused(page)}, not {page.evaluate('quorvel.focusAtMenu')}")
        print("  a right click on a plot, a button and a label, and the Menu key, offer How "
              "to use… and Copy picture; Esc closes the menu and the focus is back")

        wp.click("Spin_a3", button="right")
        page.wait_for(f"{menu}?.matches(':popover-open')", timeout=5)
        press(page, "Enter")
        page.wait_for(HELP_OPEN, timeout=5)
        if page.evaluate("document.querySelectorAll('dialog.help').length") != 1:
            raise Failure("the menu opened a second help dialog")
        check_help_dialog(page, help)
        close_help_with_esc(page, page.evaluate("quorvel.focusAtMenu"), "the menu")
        print("  the menu's How to use… opens the same dialog; Esc, and the focus is back")
        wp.click("Command4", button="right")
        page.wait_for(f"{menu}?.matches(':popover-open')", timeout=5)
        press(page, "F1")
        page.wait_for(HELP_OPEN, timeout=5)
        if page.evaluate(f"{menu}.matches(':popover-open')"):
            raise Failure("the menu stays open under the help")
        close_help_with_esc(page, page.evaluate("quorvel.focusAtMenu"), "F1 in the menu")
        print("  F1 with the menu open: the menu closes, the help opens, Esc brings the focus "
              "back")
        if page.evaluate("quorvel.raised.length") != 0:
            raise Failure(f"the window got {page.evaluate('quorvel.raised')}")


def help_small_screens(args, url):
    """On a phone's viewport and at a browser zoom of 200 %, the help fits the viewport,
    scrolls inside itself with its Close button in view, and reads without a sideways
    scroll; Close closes it."""
    cases = [("phone", 360, 640, 2), ("zoom_200", 640, 360, 2)]
    for name, width, height, ratio in cases:
        with cdp.chromium(width, height, ratio) as page:
            open_page(page, url)
            press(page, "F1")
            page.wait_for(HELP_OPEN, timeout=5)
            box = page.evaluate("""(() => {
                const d = document.getElementById('help'), body = d.querySelector('.help-page');
                const r = d.getBoundingClientRect();
                const close = document.getElementById('help-close').getBoundingClientRect();
                return {left: r.left, top: r.top, right: r.right, bottom: r.bottom,
                        close: [close.x + close.width / 2, close.y + close.height / 2],
                        close_bottom: close.bottom,
                        scrolls: body.scrollHeight > body.clientHeight,
                        sideways: body.scrollWidth > body.clientWidth,
                        overflow: getComputedStyle(body).overflowY};
            })()""")
            problems = []
            if box["left"] < 0 or box["top"] < 0 or box["right"] > width or \
                    box["bottom"] > height:
                problems.append(f"the dialog spans {box}, beyond {width}x{height}")
            if not box["scrolls"] or box["overflow"] != "auto":
                problems.append("its page does not scroll inside it")
            if box["sideways"]:
                problems.append("its page scrolls sideways")
            if box["close_bottom"] > height:
                problems.append("its Close button is out of view")
            if problems:
                raise Failure(f"{name}: " + "; ".join(problems))
            with open(os.path.join(args.out, f"help-{name}.png"), "wb") as f:
                f.write(page.screenshot_png())
            page.click(*box["close"])
            page.wait_for(f"!({HELP_OPEN})", timeout=5)
            print(f"  {name} ({width}x{height} CSS pixels at {ratio}x): the dialog fits, "
                  f"scrolls inside itself, Close closes it")


def clipboard_picture(page, out_path):
    """The PNG on the clipboard, once there is one, as an Image."""
    import base64

    data = page.wait_for("""navigator.clipboard.read().then(async (items) => {
        const item = items.find((i) => i.types.includes('image/png'));
        if (!item) return null;
        const bytes = new Uint8Array(await (await item.getType('image/png')).arrayBuffer());
        let text = '';
        for (let i = 0; i < bytes.length; i += 0x8000)
          text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
        return btoa(text);
    })""", timeout=20)
    with open(out_path, "wb") as f:
        f.write(base64.b64decode(data))
    return read_png(out_path)


def copy_picture(args, url):
    """Ctrl+C on the window, or Copy picture in its menu, puts a PNG of the whole window on
    the clipboard at the device pixels it covers: at a ratio of 1 and of 2 every plot in it
    is its canvas pixel for pixel (what lies over a plot left out), and a change made
    before the copy is in it. On a phone, where the window is scaled down, the picture is
    as large as the window on the screen."""
    cases = [("ratio_1", 647, 455, 1, "key"), ("ratio_2", 647, 455, 2, "menu"),
             ("phone", 360, 640, 2, "key")]
    for name, width, height, ratio, how in cases:
        with cdp.chromium(width, height, ratio) as page:
            page.send("Emulation.setFocusEmulationEnabled", enabled=True)
            page.send("Browser.grantPermissions",
                      permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
            wp = open_page(page, url)
            wp.click("Spin_a1", UP)
            page.wait_for(f"{value_of('value_a(1)')} === '1'", timeout=5)
            if how == "key":
                press(page, "C", modifiers=CTRL)
            else:
                wp.click("campus_sim", button="right")
                page.wait_for("document.getElementById('context-menu')?.matches(':popover-open')",
                              timeout=5)
                while page.evaluate("document.activeElement.textContent") != "Copy picture":
                    press(page, "Down")
                press(page, "Enter")
            picture = clipboard_picture(page, os.path.join(args.out, f"copy-{name}.png"))
            width, height, shown = page.evaluate(
                "(() => { const w = document.getElementById('window'); return [w.offsetWidth,"
                " w.offsetHeight, w.getBoundingClientRect().width / w.offsetWidth"
                " * devicePixelRatio]; })()")
            want = (round_half_up(width * shown), round_half_up(height * shown))
            if (picture.width, picture.height) != want:
                raise Failure(f"{name}: the picture is {picture.width}x{picture.height}, "
                              f"the window covers {want[0]}x{want[1]} device pixels")
            if shown != int(shown):
                print(f"  {name}: a {picture.width}x{picture.height} picture by {how}")
                continue
            for s in wp.surfaces():
                drawn = wp.canvas_image(s.name)
                over = [(x * ratio, y * ratio, w * ratio, h * ratio)
                        for x, y, w, h in wp.covering(s.name)]
                copied = picture.crop(s.x * ratio, s.y * ratio, drawn.width, drawn.height)
                if copied.masked(over) != drawn.masked(over):
                    keep(os.path.join(args.out, f"{name}-{s.name}"), copied=copied.masked(over),
                         canvas=drawn.masked(over))
                    raise Failure(f"{name}: {s.name} in the picture is not its canvas")
            print(f"  {name}: a {picture.width}x{picture.height} picture by {how}, every plot "
                  f"in it its canvas pixel for pixel")


def tooltips(args, url):
    """Every control and plot shows its description from the screen reader's table as its
    tooltip; so does every other row that has a description."""
    with cdp.chromium() as page:
        wp = open_page(page, url)
        titles = page.evaluate("""Object.fromEntries([...document.querySelectorAll(
            '[data-name]')].map(e => [e.dataset.name, e.getAttribute('title')]))""")
        problems, counted = [], 0
        for row in wp.rows:
            description = (row.get("accessible") or {}).get("description")
            must = row["kind"] in ("push_button", "option_button", "spin_button", "picture") \
                and wp.places[row["name"]].shown
            if must and not description:
                problems.append(f"{row['name']} has no description to show")
            if description and titles[row["name"]] != description:
                problems.append(f"{row['name']}'s tooltip is {titles[row['name']]!r}, its "
                                f"description {description!r}")
            counted += bool(description)
        if problems:
            raise Failure("; ".join(problems))
        print(f"  {counted} controls, plots, frames and labels show their description")


def status_line(page):
    """The status region's one line and a mark that is new whenever the line is."""
    return page.evaluate("""(() => {
        const line = document.getElementById('status').firstElementChild;
        if (!line) return [null, null];
        line.dataset.seen ??= String(Math.random());
        return [line.textContent, line.dataset.seen];
    })()""")


def announcements(args, url):
    """Each event is announced once and briefly in the one status region: CALC its S/T,
    ANS the answers, RESET and a level step one sentence; the spin values and the option
    buttons are spoken by the controls themselves, so those events add nothing; the same
    sentence twice is a new line, spoken again."""
    new_example = "New example: answers hidden, trial back to 0."
    # (what is done, the sentence it adds or None for nothing new)
    steps = [
        ("Command3", "S/T = 7.9999"),
        ("Command3", "S/T = 7.9999"),
        (("Spin_a0", UP), None),
        (("Spin_n", UP), None),
        ("switch_s", None),
        ("Command4", "Answers: a0 = 8, a1 = 6, b1 = 3, a2 = 0, b2 = 0, a3 = 0, b3 = 0, "
                     "a4 = 0, b4 = 0."),
        ("Command2", "Essential wave back to cos, n = 0."),
        (("Spin_lebel", DOWN), None),
        (("Spin_lebel", UP), new_example),
        ("Command1", new_example),
    ]
    with cdp.chromium() as page:
        wp = open_page(page, url)
        before = status_line(page)
        for what, sentence in steps:
            if isinstance(what, tuple):
                wp.click(*what)
            else:
                wp.click(what)
            raised = len(page.evaluate("quorvel.raised"))
            page.wait_for(f"quorvel.raised.length === {raised}")
            now = status_line(page)
            if sentence is None and now != before:
                raise Failure(f"{what} announced {now[0]!r}")
            if sentence is not None and (now[0] != sentence or now[1] == before[1]):
                raise Failure(f"{what} announced {now[0]!r}, not a new {sentence!r}")
            before = now
        print(f"  {len(steps)} events: {sum(1 for _, t in steps if t)} announced once each, "
              "the rest left to the controls")


def high_contrast(args, url):
    """Under the browser's prefers-contrast: more the page shows the high-contrast palette:
    its plots equal the replay's in that palette pixel for pixel and its red texts are the
    darker red. Ctrl+Alt+H, then the context menu's toggle, switch it off and on again; the
    state stays the same byte for byte."""
    events = ["Command3_Click", "Spin_a0_SpinUp", "Spin_a0_SpinUp", "Command4_Click"]
    with cdp.chromium() as page:
        page.send("Emulation.setEmulatedMedia",
                  features=[{"name": "prefers-contrast", "value": "more"}])
        wp = open_page(page, url)
        for handler in events:
            page.evaluate(f"quorvel.raise('{handler}')")
        state = page.evaluate("JSON.stringify(quorvel.core.state())")
        red = "getComputedStyle(document.querySelector('[data-name=\"value_a(0)\"]')).color"
        checks = [("high-contrast", "rgb(192, 0, 0)", lambda: None),
                  ("seed", "rgb(255, 0, 0)", lambda: press(page, "H", modifiers=CTRL | ALT))]

        def from_menu():
            wp.click("campus_sim", button="right")
            page.wait_for("document.getElementById('context-menu')?.matches(':popover-open')",
                          timeout=5)
            while page.evaluate("document.activeElement.textContent") != "High contrast":
                press(page, "Down")
            if page.evaluate("document.activeElement.getAttribute('aria-checked')") != "false":
                raise Failure("the menu's High contrast is not shown off")
            press(page, "Enter")
        checks.append(("high-contrast", "rgb(192, 0, 0)", from_menu))
        for palette, colour, act in checks:
            act()
            page.wait_for(f"document.getElementById('window').dataset.palette === '{palette}'",
                          timeout=5)
            if page.evaluate(red) != colour:
                raise Failure(f"{palette}: value_a(0) is {page.evaluate(red)}, not {colour}")
            if page.evaluate("JSON.stringify(quorvel.core.state())") != state:
                raise Failure(f"{palette}: the state changed with the palette")
            states, snaps, _ = replay_checkpoints(args.replay, [[f"palette {palette}", *events]])
            compare(wp, snaps[0], states[0], f"in {palette}", args.out)


def exercise_code_after(replay, seed, level=None):
    """The code of the exercise on the window after 80 random events from a seed, levels
    and RESET among them; or, given a level, after the level is stepped up to it from 1 and
    80 random events of the others (RESET among them) that leave it there."""
    events = raisable_events(replay)
    lead = []
    if level is not None:
        lead = ["Spin_lebel_SpinUp"] * (level - 1)
        events = [e for e in events if not e.startswith("Spin_lebel_")]
    chosen = lead + random.Random(seed).choices(events, k=80)
    state = run_replay(replay, chosen)[-1]
    if not state["exercise"]:
        raise Failure(f"the replay gives no code after {chosen}")
    if level is not None and state["value_lebel"] != str(level):
        raise Failure(f"the replay is at level {state['value_lebel']}, not {level}, after "
                      f"{chosen}")
    return state["exercise"]


def replay_refusal(replay, code):
    """What quorvel-replay says is wrong with a code that names no exercise."""
    with tempfile.TemporaryDirectory(prefix="quorvel-replay-") as runtime:
        os.chmod(runtime, 0o700)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime)
        done = subprocess.run([replay], input=f"exercise {code}\n", capture_output=True,
                              text=True, timeout=60, env=env)
    told = [line for line in done.stderr.splitlines() if line.startswith("line 1: ")]
    if done.returncode != 2 or len(told) != 1:
        raise Failure(f"the replay opened {code!r} ({done.returncode}: {done.stderr.strip()})")
    return told[0].removeprefix("line 1: ")


def exercise_link(args, url):
    """The page opened at #exercise=CODE, a code the replay gave after random events,
    shows that exercise: its plots and captions equal the replay's after the same code,
    and so do they after RESET, which draws the same next example on both."""
    code = exercise_code_after(args.replay, 20261211)
    with cdp.chromium() as page:
        wp = open_page(page, f"{url}#exercise={code}")
        shown = page.evaluate("quorvel.core.state().exercise")
        if shown != code:
            raise Failure(f"the page opened at {code} holds the exercise {shown}")
        states, snaps, _ = replay_checkpoints(args.replay, [[f"exercise {code}"]])
        compare(wp, snaps[0], states[0], f"opened at {code}", args.out)
        page.evaluate("quorvel.raise('Command1_Click')")
        states, snaps, _ = replay_checkpoints(args.replay,
                                              [[f"exercise {code}", "Command1_Click"]])
        compare(wp, snaps[0], states[0], "after RESET", args.out)


def bad_exercise_link(args, url):
    """A fragment naming a mistyped code, or one of another length, shows what is wrong
    with it as the core words it, and after OK the window is as it was: the same state,
    its plots equal to the replay's without the code."""
    events = ["Command3_Click", "Spin_a0_SpinUp", "Spin_lebel_SpinUp", "Command4_Click"]
    good = exercise_code_after(args.replay, 7)
    mistyped = good[:-1] + ("0" if good[-1] != "0" else "1")
    with cdp.chromium() as page:
        wp = open_page(page, url)
        for handler in events:
            page.evaluate(f"quorvel.raise('{handler}')")
        before = page.evaluate("JSON.stringify(quorvel.core.state())")
        states, snaps, _ = replay_checkpoints(args.replay, [events])
        for code in (mistyped, good[:-1], good + "7"):
            reason = replay_refusal(args.replay, code)
            page.evaluate(f"location.hash = '#exercise={code}'")
            page.wait_for("document.getElementById('fault').open", timeout=5)
            told = page.evaluate("document.getElementById('fault-text').textContent")
            if reason not in told:
                raise Failure(f"for {code} the dialog says {told!r}, not {reason!r}")
            page.evaluate("document.getElementById('fault-ok').click()")
            page.wait_for("!document.getElementById('fault').open", timeout=5)
            if page.evaluate("JSON.stringify(quorvel.core.state())") != before:
                raise Failure(f"{code} changed the window's state")
            compare(wp, snaps[0], states[0], f"after {code}", args.out)
            print(f"  {code}: {told}")


EXERCISE_OPEN = "document.getElementById('exercise')?.open === true"


def exercise_dialogs(args, url):
    """Ctrl+Shift+S shows the exercise's code in large type and the page's address that
    opens it, in a modal dialog that Esc closes. "Open an exercise…" from the context menu
    (and Ctrl+O) takes a code: a mistyped one is refused in the dialog with what is wrong,
    the window unchanged; a good one opens its exercise, equal to the replay's, and the
    dialog closes."""
    events = ["Command3_Click", "Spin_a0_SpinUp", "Command4_Click"]
    good = exercise_code_after(args.replay, 31)
    mistyped = good[:2] + ("7" if good[2] != "7" else "8") + good[3:]
    with cdp.chromium() as page:
        wp = open_page(page, url)
        for handler in events:
            page.evaluate(f"quorvel.raise('{handler}')")
        before = page.evaluate("JSON.stringify(quorvel.core.state())")
        current = page.evaluate("quorvel.core.state().exercise")

        press(page, "S", shift=True, modifiers=CTRL)
        page.wait_for(EXERCISE_OPEN, timeout=5)
        shown = page.evaluate("""(() => { const d = document.getElementById('exercise');
            return {modal: d.matches(':modal'), code: d.querySelector('#exercise-code').textContent,
                    size: parseFloat(getComputedStyle(d.querySelector('#exercise-code')).fontSize),
                    text: parseFloat(getComputedStyle(d).fontSize),
                    address: d.querySelector('#exercise-address').value,
                    entry: d.querySelector('#exercise-entry') !== null}; })()""")
        if not shown["modal"] or shown["code"] != current or shown["entry"]:
            raise Failure(f"the share dialog shows {shown}, the exercise is {current}")
        if shown["size"] < 2 * shown["text"]:
            raise Failure(f"the code is set at {shown['size']}px beside text at {shown['text']}px")
        if shown["address"] != f"{url.split('#')[0]}#exercise={current}":
            raise Failure(f"the address shown is {shown['address']}")
        press(page, "Esc")
        page.wait_for(f"!({EXERCISE_OPEN})", timeout=5)
        print(f"  Ctrl+Shift+S: {current} at {shown['size']:g}px and {shown['address']}")

        press(page, "O", modifiers=CTRL)
        page.wait_for(EXERCISE_OPEN + " && document.activeElement.id === 'exercise-entry'",
                      timeout=5)
        press(page, "Esc")
        page.wait_for(f"!({EXERCISE_OPEN})", timeout=5)
        wp.click("campus_sim", button="right")
        page.wait_for("document.getElementById('context-menu')?.matches(':popover-open')",
                      timeout=5)
        while page.evaluate("document.activeElement.textContent") != "Open an exercise…":
            press(page, "Down")
        press(page, "Enter")
        page.wait_for(EXERCISE_OPEN + " && document.activeElement.id === 'exercise-entry'",
                      timeout=5)
        page.send("Input.insertText", text=mistyped)
        press(page, "Enter")
        reason = replay_refusal(args.replay, mistyped)
        told = page.wait_for("document.getElementById('exercise-refusal').textContent", timeout=5)
        if reason not in told or not page.evaluate(EXERCISE_OPEN):
            raise Failure(f"{mistyped} is refused with {told!r}, not {reason!r}")
        if page.evaluate("JSON.stringify(quorvel.core.state())") != before:
            raise Failure(f"{mistyped} changed the window's state")
        print(f"  {mistyped}: {told}")
        page.evaluate("document.getElementById('exercise-entry').value = ''")
        page.send("Input.insertText", text=good.lower().replace("-", " "))
        press(page, "Enter")
        page.wait_for(f"!({EXERCISE_OPEN})", timeout=5)
        states, snaps, _ = replay_checkpoints(args.replay, [events + [f"exercise {good}"]])
        compare(wp, snaps[0], states[0], f"opened {good}", args.out)


SCENARIOS = {
    "exercise": lambda args, url: run_steps(
        args, exercise_and_more(run_replay(args.replay, [])[0]), url),
    "soak": lambda args, url: run_steps(args, soak(raisable_events(args.replay)), url),
    "keyboard": keyboard,
    "hold": hold,
    "fault": fault,
    "zoom": zoom,
    "narrow": narrow,
    "accessibility": accessibility,
    "help": help_dialog,
    "help_small_screens": help_small_screens,
    "tooltips": tooltips,
    "copy_picture": copy_picture,
    "announcements": announcements,
    "high_contrast": high_contrast,
    "exercise_link": exercise_link,
    "bad_exercise_link": bad_exercise_link,
    "exercise_dialogs": exercise_dialogs,
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print the scenario names")
    parser.add_argument("--site")
    parser.add_argument("--replay")
    parser.add_argument("--out")
    parser.add_argument("--server", choices=["preview", "nginx"], default="preview",
                        help="serve the site with the preview server or with nginx")
    parser.add_argument("scenario", nargs="?")
    args = parser.parse_args()
    if args.list:
        print(" ".join(SCENARIOS))
        return 0
    if args.scenario not in SCENARIOS:
        parser.error(f"no scenario {args.scenario!r}; there are {', '.join(SCENARIOS)}")
    print(f"scenario {args.scenario} on {args.server}")
    return run_and_report(lambda: run(args), failures=(cdp.ProtocolError,))


def run(args):
    if cdp.chromium_missing():
        raise Skipped(cdp.chromium_missing())
    if not os.path.exists(os.path.join(args.site, "quorvel.wasm")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    os.makedirs(args.out, exist_ok=True)
    with servers.SERVERS[args.server](args.site) as served:
        SCENARIOS[args.scenario](args, served.url)


if __name__ == "__main__":
    sys.exit(main())
