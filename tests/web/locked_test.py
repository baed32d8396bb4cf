#!/usr/bin/env python3
"""The page locked down: it runs under its Content-Security-Policy with no violation in
Chromium, Firefox and WebKit, served and as the single file from disk; nginx sends the
same policy and the other security headers; and nothing in a link ever runs.

  locked_test.py --site build/web SCENARIO
  locked_test.py --list

Exit status: 0 passed, 1 failed, 77 skipped.
"""

import argparse
import html
import json
import os
import re
import shutil
import sys
import tempfile
import urllib.request
from pathlib import Path

sys.dont_write_bytecode = True

from quorvel_drive import bidi, cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402

import webkit  # noqa: E402
from offline_test import STARTED  # noqa: E402

sys.path.insert(0, str(Path(__file__).resolve().parent.parent.parent / "web" / "tools"))
import page_policy  # noqa: E402

# Every violation the page's document reports, from before its first script on.
RECORD_VIOLATIONS = """
  globalThis.__violations = [];
  document.addEventListener('securitypolicyviolation', (e) => {
    globalThis.__violations.push(`${e.effectiveDirective} blocked ${e.blockedURI || 'inline'}`
      + ` at ${e.sourceFile}:${e.lineNumber}`);
  });
"""
# What a student does with the page, as the page's own events: CALC, ANS, the help, the
# share dialog with its QR code, and German from the context menu. Gives what happened.
WORK_THE_PAGE = """(async () => {
  const frame = () => new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
  const key = (k, more = {}) => document.dispatchEvent(new KeyboardEvent('keydown',
    {key: k, bubbles: true, cancelable: true, ...more}));
  const done = [];
  document.getElementById('c-Command3').click();
  document.getElementById('c-Command4').click();
  done.push(document.querySelector('[data-name="value_s"]').textContent);
  key('F1');
  await frame();
  done.push(document.querySelector('dialog.help')?.open === true);
  document.querySelector('dialog.help')?.close();
  await frame();
  key('S', {code: 'KeyS', ctrlKey: true, shiftKey: true});
  await frame();
  done.push(document.getElementById('exercise-qr')?.width > 0);
  document.getElementById('exercise')?.close();
  await frame();
  const target = document.querySelector('[data-name="campus_sim"]');
  const box = target.getBoundingClientRect();
  target.dispatchEvent(new MouseEvent('contextmenu', {bubbles: true, cancelable: true,
    clientX: box.x + 5, clientY: box.y + 5}));
  await frame();
  [...document.querySelectorAll('#context-menu button')]
    .find((b) => b.textContent === 'Language')?.click();
  await frame();
  document.querySelector('#context-menu button[lang="de"]')?.click();
  await frame();
  done.push(document.documentElement.lang);
  await document.fonts.ready;
  return done;
})()"""
WORKED = ["7.9999", True, True, "de"]


def single_copy(args, folder):
    """The single file alone in a folder, as handed out."""
    copy = Path(folder, "quorvel.html")
    shutil.copyfile(Path(args.site, "quorvel.html"), copy)
    return copy.as_uri()


def report(violations, worked, where):
    if worked != WORKED:
        raise Failure(f"{where}: working the page gave {worked}, not {WORKED}")
    if violations:
        raise Failure(f"{where}: the policy was violated: {violations}")
    print(f"  {where}: CALC, ANS, the help, the share dialog and German, no violation")


def policy_chromium(url, where):
    with cdp.chromium(1280, 800) as page:
        page.send("Page.enable")
        page.send("Log.enable")
        page.send("Page.addScriptToEvaluateOnNewDocument", source=RECORD_VIOLATIONS)
        page.navigate(url)
        page.wait_for(STARTED, timeout=60)
        worked = page.evaluate(WORK_THE_PAGE)
        violations = page.evaluate("globalThis.__violations")
        # The browser's own log also has what a worker or a frame was refused.
        violations += [e["params"]["entry"]["text"] for e in page.events
                       if e["method"] == "Log.entryAdded" and
                       "Content Security Policy" in e["params"]["entry"]["text"]]
    report(violations, worked, f"Chromium, {where}")


def policy_firefox(url, where):
    if bidi.firefox_missing():
        raise Skipped(bidi.firefox_missing())
    with bidi.firefox() as page:
        page.send("script.addPreloadScript", functionDeclaration=f"() => {{{RECORD_VIOLATIONS}}}")
        page.set_device(1280, 800, 1)
        page.navigate(url)
        page.wait_for(STARTED, timeout=60)
        worked = page.evaluate(WORK_THE_PAGE)
        violations = page.evaluate("globalThis.__violations")
    report(violations, worked, f"Firefox, {where}")


def policy_webkit(url, where):
    """WebKitWebDriver runs nothing before the page's own script: the record starts once the
    page has started, which it could not have done with its script or its module refused."""
    if webkit.webkit_missing():
        raise Skipped(webkit.webkit_missing())
    with webkit.webkit(1280, 800) as page:
        page.navigate(url)
        page.wait_for(STARTED, timeout=60)
        page.evaluate(f"(() => {{{RECORD_VIOLATIONS}}})()")
        worked = page.evaluate(WORK_THE_PAGE)
        violations = page.evaluate("globalThis.__violations")
        faces = page.evaluate("[...document.fonts].filter((f) => f.status === 'loaded').length")
    if faces != 3:
        raise Failure(f"WebKit, {where}: {faces} of the 3 faces loaded")
    report(violations, worked, f"WebKit, {where}")


ENGINES = {"chromium": policy_chromium, "firefox": policy_firefox, "webkit": policy_webkit}


def policy(args, engine, where):
    """The page worked as a student does in one engine, served by the preview server or by
    nginx, or as the single file from disk: no violation of its policy."""
    if where == "single":
        with tempfile.TemporaryDirectory(prefix="quorvel-usb-") as folder:
            ENGINES[engine](single_copy(args, folder), "the single file from disk")
        return
    with servers.SERVERS[where](args.site) as served:
        ENGINES[engine](served.url, f"served by {where}")


def meta_policy(page_html):
    found = re.findall(r'<meta http-equiv="Content-Security-Policy" content="([^"]*)">',
                       page_html)
    if len(found) != 1:
        raise Failure(f"the page has {len(found)} policies in <meta>")
    return html.unescape(found[0])


def headers(args):
    """nginx sends the policy, nosniff and no-referrer with every file and nothing that
    keeps the page out of an <iframe>. The policy is the page's own <meta> one but for the
    hashes, which stand first in <head>, before anything they cover."""
    site = Path(args.site)
    files = ["", "index.html", "sw.js", "manifest.webmanifest", "quorvel.html",
             next(site.glob("quorvel.*.wasm")).name, "icons/quorvel-192.png"]
    problems = []
    with servers.nginx(args.site) as served:
        for name in files:
            with urllib.request.urlopen(served.url + name, timeout=30) as reply:
                got = reply.headers
            for header, want in (("Content-Security-Policy", page_policy.HEADER),
                                 ("X-Content-Type-Options", "nosniff"),
                                 ("Referrer-Policy", "no-referrer"),
                                 ("X-Frame-Options", None)):
                if got.get(header) != want:
                    problems.append(f"/{name} has {header}: {got.get(header)}")
    header = page_policy.directives(page_policy.HEADER)
    if "frame-ancestors" in header:
        problems.append("the header names frame-ancestors")
    for name in ("index.html", "quorvel.html"):
        text = (site / name).read_text(encoding="utf-8")
        meta = page_policy.directives(meta_policy(text))
        for directive in sorted(set(header) | set(meta)):
            ours = [s for s in meta.get(directive, []) if not s.startswith("'sha256-")]
            theirs = [s for s in header.get(directive, []) if s != page_policy.HEADER_INLINE]
            if ours != theirs:
                problems.append(f"{name}: {directive} is {meta.get(directive)} in <meta>, "
                                f"{header.get(directive)} in the header")
        head = text[:text.index("</head>")]
        first = re.search(r"<(script|style|link)\b", head)
        if first and first.start() < head.index("Content-Security-Policy"):
            problems.append(f"{name}: a <{first.group(1)}> comes before the policy")
    if problems:
        raise Failure("; ".join(problems))
    print(f"  {len(files)} files with the policy, nosniff and no-referrer; the <meta> policy "
          "of both pages the same but for their hashes")


# Addresses that try to run something: the page refuses each as a code in its fault dialog,
# as text, and nothing of it runs or becomes an element.
HOSTILE = [
    ("markup", "#exercise=<img src=x onerror=\"globalThis.ran=1\">"),
    ("escaped script", "#exercise=%3Cscript%3EglobalThis.ran%3D1%3C%2Fscript%3E"),
    ("svg", "#exercise=%3Csvg%20onload%3DglobalThis.ran%3D1%3E"),
    ("javascript:", "#exercise=javascript:globalThis.ran=1"),
    ("data:", "#exercise=data:text/html,%3Cscript%3Eparent.ran%3D1%3C%2Fscript%3E"),
    ("very long", "#exercise=" + "%3Cimg%20onerror%3DglobalThis.ran%3D1%3E" * 4000),
]
# What the payloads would add to the page: none of these is the page's own (its one script
# in the body is the start window's data).
INJECTED = ("document.querySelectorAll('[onerror], [onload], body img, body svg, "
            "body script:not(#start-window), iframe, object, embed').length")


def links(args):
    """Each hostile address, opened as a link and then as a change of fragment, is refused
    in the fault dialog as plain text; no flag the payload would set is set and none of
    its markup is in the page."""
    problems = []
    with servers.preview(args.site) as served, cdp.chromium() as page:
        for name, fragment in HOSTILE:
            for how in ("opened", "followed"):
                page.navigate("about:blank")
                page.navigate(served.url + (fragment if how == "opened" else ""))
                page.wait_for(STARTED, timeout=60)
                if how == "followed":
                    page.evaluate(f"location.hash = {json.dumps(fragment[1:])}")
                told = page.wait_for("document.getElementById('fault').open && "
                                     "document.getElementById('fault-text').textContent",
                                     timeout=10)
                after = page.evaluate(f"[globalThis.ran ?? null, {INJECTED}, "
                                      "document.getElementById('fault-text').children.length]")
                if after != [None, 0, 0]:
                    problems.append(f"{name} {how}: ran, elements, markup in the dialog: {after}")
                if not told.strip():
                    problems.append(f"{name} {how}: no refusal shown")
            print(f"  {name}: refused as text, nothing ran ({told[:60]!r}…)")
    if problems:
        raise Failure("; ".join(problems))


POLICY_SCENARIOS = [f"policy.{engine}.{where}" for engine, wheres in
                    (("chromium", ("preview", "nginx", "single")),
                     ("firefox", ("preview", "single")), ("webkit", ("preview", "single")))
                    for where in wheres]
SCENARIOS = [*POLICY_SCENARIOS, "headers", "links"]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--site")
    parser.add_argument("scenario", nargs="?")
    args = parser.parse_args()
    if args.list:
        print(" ".join(SCENARIOS))
        return 0
    if args.scenario not in SCENARIOS:
        parser.error(f"no scenario {args.scenario!r}")
    print(f"scenario {args.scenario}")
    return run_and_report(lambda: run(args),
                          failures=(cdp.ProtocolError, webkit.ProtocolError))


def run(args):
    if cdp.chromium_missing():
        raise Skipped(cdp.chromium_missing())
    if not os.path.exists(os.path.join(args.site, "index.html")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    if args.scenario.startswith("policy."):
        _, engine, where = args.scenario.split(".")
        policy(args, engine, where)
    elif args.scenario == "headers":
        headers(args)
    else:
        links(args)


if __name__ == "__main__":
    sys.exit(main())
