#!/usr/bin/env python3
"""The web page in the reader's language, in headless Chromium: each language the program
speaks chosen from the browser's languages and from ?lang=, right to left in Arabic around
a window that keeps its arrangement; English for a language it does not speak; switched
from the context menu mid-exercise; and every text a person reads or hears on the page in
the pseudo-language, where an untranslated text shows unbracketed. The texts expected are
the core's own for that language, read from the module under node.

  language_test.py --site build/web-probe --replay quorvel-replay --out DIR SCENARIO
  language_test.py --list

Exit status: 0 passed, 1 failed, 77 skipped (no Chromium or python3-websocket).
"""

import argparse
import functools
import json
import os
import re
import subprocess
import sys
from urllib.parse import parse_qs, urlparse

sys.dont_write_bytecode = True

from quorvel_drive import cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.replay import replay_checkpoints  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402
from quorvel_drive.steps import UP  # noqa: E402

from browser_test import HELP_OPEN, compare, press  # noqa: E402
from opened_page import open_page  # noqa: E402

MENU_OPEN = "document.getElementById('context-menu')?.matches(':popover-open')"


def core_texts(site, code):
    """The window's description and the help in a language, straight from the module."""
    script = ("require(process.argv[1])().then((m) => {"
              "const c = (f, t, a) => m.ccall(f, 'string', t, a);"
              "c('quorvel_open', ['number', 'number', 'number'], [1, 647, 455]);"
              "c('quorvel_set_language', ['string'], [process.argv[2]]);"
              "process.stdout.write(JSON.stringify({page: JSON.parse(c('quorvel_page', [], [])),"
              "help: JSON.parse(c('quorvel_help', [], []))}));})")
    out = subprocess.run(["node", "--no-experimental-fetch", "-e", script,
                          os.path.abspath(os.path.join(site, "quorvel.js")), code],
                         capture_output=True, text=True, check=True, timeout=60).stdout
    return json.loads(out)


def command_label(texts, command_id):
    return next(c["label"] for c in texts["page"]["commands"] if c["id"] == command_id)


def open_menu(page, wp):
    wp.click("campus_sim", button="right")
    page.wait_for(MENU_OPEN, timeout=5)


def choose_in_menu(page, test, what):
    """Moves the menu's focus down to the entry `test` (a page expression on the focused
    entry) finds, and runs it."""
    for _ in range(20):
        if page.evaluate(f"(() => {{ const e = document.activeElement; return {test}; }})()"):
            press(page, "Enter")
            return
        press(page, "Down")
    raise Failure(f"the menu has no entry {what}")


def page_language(page):
    return page.evaluate("[document.documentElement.lang, document.documentElement.dir]")


def help_title(page):
    press(page, "F1")
    page.wait_for(HELP_OPEN, timeout=5)
    title = page.evaluate("document.getElementById('help-title').textContent")
    press(page, "Esc")
    page.wait_for(f"!({HELP_OPEN})", timeout=5)
    return title


# How a reader of each language the program speaks has their browser's languages, best
# first, and which way their page runs.
EVERY_LANGUAGE = {
    "ja": ("ja-JP,ja,en-US,en", "ltr"),
    "zh-CN": ("zh-CN,zh,en", "ltr"),
    "ko": ("ko-KR,ko,en-US,en", "ltr"),
    "ar": ("ar-EG,ar,en", "rtl"),
    "de": ("de-DE,de,en", "ltr"),
    "fr": ("fr-FR,fr,en-US,en", "ltr"),
    "es": ("es-ES,es,en", "ltr"),
    "pt-BR": ("pt-BR,pt,en-US,en", "ltr"),
}

DIRECTION = "(id) => getComputedStyle(document.getElementById(id)).direction"


def menu_labels(texts, shown):
    """The core's labels of the menu's entries, in its order; copying the picture only where
    the browser can copy one, as the page offers it."""
    labels = [command_label(texts, i) for i in texts["page"]["menu"]]
    picture = command_label(texts, "copy_picture")
    return [label for label in labels if label != picture or picture in shown]


def untranslated(texts, english):
    """The entries checked that read as the English ones: a catalogue that proves nothing."""
    pairs = [("the help's title", texts["help"]["title"], english["help"]["title"]),
             ("the help's intro", texts["help"]["intro"], english["help"]["intro"])]
    pairs += [(f"the menu's {c['id']}", c["label"], command_label(english, c["id"]))
              for c in texts["page"]["commands"] if c["id"] in texts["page"]["menu"]]
    return [what for what, text, english_text in pairs if text == english_text]


def in_language(args, url, code, chosen_by):
    """The page in `code`, chosen by the browser's languages or by ?lang=: <html>'s lang
    and dir, the window's root left to right, the help's title and intro and the menu's
    entries the core's in that language, the help and the menu running the page's way,
    and CALC's announcement the core's sentence filled with the window's S/T."""
    accept_language, direction = EVERY_LANGUAGE[code]
    texts, english = core_texts(args.site, code), core_texts(args.site, "en")
    same = untranslated(texts, english)
    if same:
        raise Failure(f"in {code}, {', '.join(same)} read as in English: nothing to tell apart")
    with cdp.chromium() as page:
        if chosen_by == "browser":
            agent = page.evaluate("navigator.userAgent")
            page.send("Emulation.setUserAgentOverride", userAgent=agent,
                      acceptLanguage=accept_language)
            wp = open_page(page, url)
        else:
            wp = open_page(page, f"{url}?lang={code}")
        print(f"  navigator.languages: {page.evaluate('navigator.languages')}, "
              f"address {page.evaluate('location.search')!r}")
        problems = []
        if page_language(page) != [code, direction]:
            problems.append(f"<html> lang and dir are {page_language(page)}")
        window = page.evaluate(f"[document.getElementById('window').getAttribute('dir'), "
                               f"({DIRECTION})('window')]")
        if window != ["ltr", "ltr"]:
            problems.append(f"the window's dir and direction are {window}")

        press(page, "F1")
        page.wait_for(HELP_OPEN, timeout=5)
        title, intro, help_direction = page.evaluate(
            "[document.getElementById('help-title').textContent, "
            "document.querySelector('#help-title + p').textContent, "
            f"({DIRECTION})('help')]")
        press(page, "Esc")
        page.wait_for(f"!({HELP_OPEN})", timeout=5)
        if title != texts["help"]["title"]:
            problems.append(f"the help's title is {title!r}, not {texts['help']['title']!r}")
        if intro != texts["help"]["intro"]:
            problems.append(f"the help's intro is {intro!r}, not {texts['help']['intro']!r}")
        if help_direction != direction:
            problems.append(f"the help runs {help_direction}")

        open_menu(page, wp)
        shown, menu_direction = page.evaluate(
            "[[...document.querySelectorAll('#context-menu button')].map(b => b.textContent), "
            f"({DIRECTION})('context-menu')]")
        press(page, "Esc")
        if shown != menu_labels(texts, shown):
            problems.append(f"the menu shows {shown}, not {menu_labels(texts, shown)}")
        if menu_direction != direction:
            problems.append(f"the menu runs {menu_direction}")

        wp.click("Command3")
        said = page.wait_for(
            "document.getElementById('status').firstElementChild?.textContent", timeout=5)
        value = page.evaluate(
            "document.querySelector('[data-name=\"value_s\"]').textContent.trim()")
        sentence = next(a for a in texts["page"]["announcements"]
                        if a["handler"] == "Command3_Click")["sentence"]
        want = sentence.replace("{value_s}", value)
        if not value or said != want:
            problems.append(f"CALC announced {said!r}, not {want!r}")
        if problems:
            raise Failure("; ".join(problems))
        print(f"  <html lang={code} dir={direction}>; the help {title!r}, the menu {shown}, "
              f"CALC {said!r}")


def console_errors(page):
    return [e for e in page.events
            if e["method"] == "Runtime.exceptionThrown" or
            (e["method"] == "Runtime.consoleAPICalled" and e["params"]["type"] == "error")]


def unknown(args, url):
    """?lang=xx, a language the program does not speak: English, and no error."""
    en = core_texts(args.site, "en")
    with cdp.chromium() as page:
        open_page(page, url + "?lang=xx")
        problems = []
        if page_language(page) != ["en", "ltr"]:
            problems.append(f"<html> lang and dir are {page_language(page)}")
        if help_title(page) != en["help"]["title"]:
            problems.append("the help is not in English")
        if console_errors(page):
            problems.append(f"the console has {console_errors(page)}")
        if problems:
            raise Failure("; ".join(problems))
        print("  English, no error")


def switch(args, url):
    """German chosen from the menu mid-exercise: the texts change, the exercise does not;
    every plot and caption still equals the replay's, and the address keeps the language."""
    de = core_texts(args.site, "de")
    steps = [("Spin_a0", UP), ("Spin_n", UP), ("Command3", None)]
    with cdp.chromium() as page:
        wp = open_page(page, url)
        for name, up in steps:
            wp.click(name, up)
        page.wait_for(f"quorvel.raised.length === {len(steps)}", timeout=5)
        state = page.evaluate("JSON.stringify(quorvel.core.state())")
        open_menu(page, wp)
        choose_in_menu(page, "e.textContent === 'Language'", "Language")
        page.wait_for(MENU_OPEN, timeout=5)
        choose_in_menu(page, "e.lang === 'de'", "Deutsch")
        page.wait_for("document.documentElement.lang === 'de'", timeout=5)
        problems = []
        query = parse_qs(urlparse(page.evaluate("location.href")).query)
        if query.get("lang") != ["de"]:
            problems.append(f"the address asks for {query.get('lang')}")
        if page.evaluate("JSON.stringify(quorvel.core.state())") != state:
            problems.append("the state changed with the language")
        row = next(r for r in de["page"]["rows"] if r["name"] == "Command3")
        label = page.evaluate("document.getElementById('c-Command3').getAttribute('aria-label')")
        if label != row["accessible"]["name"]:
            problems.append(f"CALC is named {label!r}, not {row['accessible']['name']!r}")
        if problems:
            raise Failure("; ".join(problems))
        raised = [h for h, _ in page.evaluate("quorvel.raised")]
        states, snaps, _ = replay_checkpoints(args.replay, [raised])
        compare(wp, snaps[0], states[0], "after the switch", args.out)
        wp.click("Command4")
        raised = [h for h, _ in page.evaluate("quorvel.raised")]
        states, snaps, _ = replay_checkpoints(args.replay, [raised])
        compare(wp, snaps[0], states[0], "the answers after it", args.out)


# Every text a person reads or hears in the document as a list of [where, text]: text
# nodes, names, tooltips and descriptions (what a script or style holds is not read).
READ_TEXTS = """(() => {
    const out = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let n = walker.nextNode(); n; n = walker.nextNode()) {
        if (n.parentElement.closest('script, style, noscript')) continue;
        const owner = n.parentElement.closest('[data-name]')?.dataset.name ?? null;
        out.push([n.parentElement.id || n.parentElement.tagName, n.textContent, owner]);
    }
    for (const e of document.querySelectorAll('[aria-label], [title], [aria-description]')) {
        for (const a of ['aria-label', 'title', 'aria-description']) {
            if (e.hasAttribute(a)) out.push([`${e.id || e.tagName} ${a}`, e.getAttribute(a), null]);
        }
    }
    out.push(['document title', document.title, null]);
    return out;
})()"""

# What every menu entry and help line would cut off, at the size it is shown.
CUT_OFF = """[...document.querySelectorAll(['#context-menu button', '#help li', '#help p',
    '#help dt', '#help dd', '#help h2', '#help h3', '#help button'].join(', '))]
    .filter(e => e.scrollWidth > e.clientWidth)
    .map(e => `${e.tagName} ${e.textContent.slice(0, 40)}: ${e.scrollWidth} > ${e.clientWidth}`)"""


def untranslated_by_design(texts):
    """What the program shows as it is in every language: the window's captions, the keys
    and the help's terms, the program's name, version, copyright and fonts."""
    help_ = texts["help"]
    about = help_["about"]
    keep = {row["caption"] for row in texts["page"]["rows"]}
    keep |= {key for keys, _ in help_["keys"] for key in keys.split(" or ")}
    keep |= {term for term, _ in help_["glossary"]}
    keep |= {about["program"], about["version"], about["copyright"]}
    keep |= {f["family"] for f in about["fonts"]} | {f["licence"] for f in about["fonts"]}
    return sorted((k for k in keep if k), key=len, reverse=True)


def pseudo(args, url):
    """?lang=en-XA on a phone: with the help and the menu open, every text in the document
    is bracketed, save the window's captions (and what its labels show), the keys, the
    help's terms and what names the program and its fonts, and numbers; no menu entry or
    help line is cut off."""
    kept = untranslated_by_design(core_texts(args.site, "en"))
    with cdp.chromium(390, 844, 2) as page:
        wp = open_page(page, url + "?lang=en-XA")
        press(page, "F1")
        page.wait_for(HELP_OPEN, timeout=5)
        problems = [f"the help cuts off {c}" for c in page.evaluate(CUT_OFF)]
        read = page.evaluate(READ_TEXTS)
        press(page, "Esc")
        page.wait_for(f"!({HELP_OPEN})", timeout=5)
        open_menu(page, wp)
        problems += [f"the menu cuts off {c}" for c in page.evaluate(CUT_OFF)]
        read += page.evaluate(READ_TEXTS)
        checked = 0
        for where, text, owner in read:
            # A label of the window shows what the form writes, which is no text to translate.
            if owner and next(r for r in wp.rows if r["name"] == owner)["kind"] == "label":
                continue
            # Innermost brackets first: a bracketed text may hold brackets of its own.
            rest, count = text, 1
            while count:
                rest, count = re.subn(r"\[[^\[\]]*\]", "", rest)
            for piece in kept:
                rest = rest.replace(piece, "")
            if re.search(r"[^\W\d_]", rest):
                problems.append(f"{where}: {text!r}")
            checked += 1
        if problems:
            raise Failure(f"{len(problems)} problems: " + "; ".join(problems[:15]))
        print(f"  {checked} texts bracketed or kept by design; nothing cut off at 390 px")


# Each language chosen both ways, one scenario each: every.ja.browser, every.ja.address...
SCENARIOS = {
    **{f"every.{code}.{chosen_by}": functools.partial(in_language, code=code, chosen_by=chosen_by)
       for code in EVERY_LANGUAGE for chosen_by in ("browser", "address")},
    "unknown": unknown,
    "switch": switch,
    "pseudo": pseudo,
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print the scenario names")
    parser.add_argument("--site")
    parser.add_argument("--replay")
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
    if cdp.chromium_missing():
        raise Skipped(cdp.chromium_missing())
    if not os.path.exists(os.path.join(args.site, "quorvel.wasm")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    os.makedirs(args.out, exist_ok=True)
    with servers.SERVERS["preview"](args.site) as served:
        SCENARIOS[args.scenario](args, served.url)


if __name__ == "__main__":
    sys.exit(main())
