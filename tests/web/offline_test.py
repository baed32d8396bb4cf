#!/usr/bin/env python3
"""The web edition as it is handed out: the single file opened from disk with the network
off; the served site installable, working offline after one visit and replaced by a new
build on the next; what a host sends for each file; and nothing for tests in any of it.

  offline_test.py --site build/web SCENARIO
  offline_test.py --site build/web --server preview|nginx SCENARIO
  offline_test.py --list-local | --list-served

The served scenarios run against the preview server or against nginx with the
repository's configuration. Exit status: 0 passed, 1 failed, 77 skipped.
"""

import argparse
import gzip
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import urllib.request
from pathlib import Path

# No bytecode is left in the source tree; the helpers every driver shares (quorvel_drive)
# come from tests/drive through PYTHONPATH, as ctest runs it.
sys.dont_write_bytecode = True

from quorvel_drive import cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402

from window_page import WindowPage  # noqa: E402

TOOLS = Path(__file__).resolve().parent.parent.parent / "web" / "tools"
# Gzipped. It was 300 KB before the page carried the catalogues of eight languages
# (about 65 KB gzipped), and 400 KB before the class's texts, the worksheet, the work link
# and the QR code encoder (416 KB with them); serving each language apart is the way back.
SINGLE_FILE_BUDGET = 450 * 1024
# What only the tests' build may hold: the test and timing functions, and a handle on the
# page's core.
TEST_HOOKS = ["quorvel_test_set_max_order", "quorvel_handler_micros", "setMaxOrder",
              "handlerMicros", "globalThis.quorvel", "window.quorvel"]
STARTED = ("document.getElementById('window') &&"
           " !document.getElementById('window').hasAttribute('aria-busy')")
VALUE_S = "document.querySelector('[data-name=\"value_s\"]').textContent"


def check(problems, what):
    if problems:
        raise Failure(f"{what}: " + "; ".join(problems))


def calc_shows_a0(page):
    """CALC at n = 0 on the first example: S/T reads a0 = 8, floored to four decimals."""
    page.wait_for(STARTED, timeout=30)
    WindowPage(page).click("Command3")
    page.wait_for(f"{VALUE_S} === '7.9999'", timeout=10)


def decompressed(path):
    if path.suffix == ".gz":
        return gzip.decompress(path.read_bytes())
    return subprocess.run(["brotli", "-d", "-c", str(path)], capture_output=True,
                          check=True).stdout


# ----------------------------------------------------------------------------------------
# Without a browser.

def site_files(args):
    """The module and the faces carry the hash of their content in their names; every text
    and WebAssembly file has a .gz and a .br sibling holding it; the manifest names what an
    installable app needs and its icons are there at their sizes; the service worker
    precaches every file of the build, under a name that follows their content."""
    sys.path.insert(0, str(TOOLS))
    import finish_site
    site = Path(args.site)
    files = finish_site.site_files(site)
    problems = []
    hashed = [f for f in files if re.search(r"\.[0-9a-f]{10}\.(wasm|woff2)$", f)]
    if sorted(Path(f).suffix for f in hashed) != [".wasm", ".woff2", ".woff2", ".woff2"]:
        problems.append(f"the hashed files are {hashed}")
    for name in hashed:
        digest = hashlib.sha256((site / name).read_bytes()).hexdigest()[:10]
        if f".{digest}." not in name:
            problems.append(f"{name} does not carry its content's hash {digest}")
    for name in files:
        if Path(name).suffix not in finish_site.COMPRESSIBLE:
            continue
        for suffix in (".gz", ".br"):
            sibling = site / (name + suffix)
            if not sibling.exists():
                problems.append(f"{name} has no {suffix}")
            elif decompressed(sibling) != (site / name).read_bytes():
                problems.append(f"{name}{suffix} does not hold {name}")

    manifest = json.loads((site / "manifest.webmanifest").read_text(encoding="utf-8"))
    for key in ("name", "short_name", "description", "start_url", "theme_color",
                "background_color"):
        if not manifest.get(key):
            problems.append(f"the manifest has no {key}")
    if manifest.get("display") != "standalone":
        problems.append(f"the manifest's display is {manifest.get('display')!r}")
    icons = {(i["sizes"], i.get("purpose", "any")): i["src"] for i in manifest["icons"]}
    for want in [("192x192", "any"), ("512x512", "any"), ("512x512", "maskable")]:
        if want not in icons:
            problems.append(f"the manifest has no {want[1]} icon of {want[0]}")
            continue
        png = (site / icons[want]).read_bytes()
        width, height = int.from_bytes(png[16:20], "big"), int.from_bytes(png[20:24], "big")
        if png[:8] != b"\x89PNG\r\n\x1a\n" or f"{width}x{height}" != want[0]:
            problems.append(f"{icons[want]} is not a {want[0]} PNG")

    worker = (site / "sw.js").read_text(encoding="utf-8")
    listed = json.loads(re.search(r"const FILES = (\[.*?\]);", worker).group(1))
    expected = ["./"] + finish_site.precached(site)
    if listed != expected:
        problems.append(f"the worker precaches {listed}, the build has {expected}")
    name = re.search(r'const CACHE = "([^"]+)"', worker).group(1)
    if name != finish_site.cache_name(site, finish_site.precached(site)):
        problems.append(f"the worker's cache {name} is not named after the build")
    check(problems, "the site's files")
    print(f"  {len(hashed)} hashed names, every text and WebAssembly file with .gz and .br, "
          f"the manifest and its icons, {len(listed)} files precached as {name}")


def shipped_texts(site):
    """Every file a visitor can get, as text (compressed ones opened)."""
    for path in sorted(site.rglob("*")):
        if path.is_file() and path.suffix not in (".png", ".woff2"):
            data = decompressed(path) if path.suffix in (".gz", ".br") else path.read_bytes()
            yield path.relative_to(site).as_posix(), data.decode("utf-8", errors="replace")


def no_test_hooks(args):
    """No file a visitor can get names a test or timing function, or a handle on the core;
    and the page, once started, has added no global beyond those an empty page has."""
    problems = [f"{name} names {hook}" for name, text in shipped_texts(Path(args.site))
                for hook in TEST_HOOKS if hook in text]
    check(problems, "test hooks shipped")
    with tempfile.TemporaryDirectory(prefix="quorvel-empty-") as empty:
        Path(empty, "empty.html").write_text("<!DOCTYPE html><title>empty</title>")
        with cdp.chromium() as page:
            globals_of = "Object.getOwnPropertyNames(globalThis)"
            page.navigate(Path(empty, "empty.html").as_uri())
            page.wait_for("document.readyState === 'complete'")
            blank = set(page.evaluate(globals_of))
            page.navigate(Path(args.site, "quorvel.html").resolve().as_uri())
            page.wait_for(STARTED)
            added = sorted(set(page.evaluate(globals_of)) - blank)
    check([f"the started page adds globals {added}"] if added else [], "globals")
    print("  no shipped file names a test hook; the started page adds no global")


# ----------------------------------------------------------------------------------------
# The single file, from disk.

def single_file(args):
    """quorvel.html copied alone into an empty folder and opened from disk with the network
    off runs CALC; it asks for nothing but itself (and what it made, as blobs), its fonts'
    licence texts open from its help, and it stays within its budget."""
    source = Path(args.site, "quorvel.html")
    packed = len(gzip.compress(source.read_bytes(), compresslevel=9))
    if packed > SINGLE_FILE_BUDGET:
        raise Failure(f"quorvel.html is {packed / 1024:.1f} KB gzipped, over "
                      f"{SINGLE_FILE_BUDGET // 1024} KB")
    with tempfile.TemporaryDirectory(prefix="quorvel-usb-") as folder:
        copy = Path(folder, "quorvel.html")
        shutil.copyfile(source, copy)
        with cdp.chromium() as page:
            page.send("Network.enable")
            page.send("Network.emulateNetworkConditions", offline=True, latency=0,
                      downloadThroughput=-1, uploadThroughput=-1)
            page.navigate(copy.as_uri())
            calc_shows_a0(page)
            page.send("Input.dispatchKeyEvent", type="keyDown", key="F1", code="F1",
                      windowsVirtualKeyCode=112)
            page.send("Input.dispatchKeyEvent", type="keyUp", key="F1", code="F1",
                      windowsVirtualKeyCode=112)
            page.wait_for("document.querySelectorAll('dialog.help a').length > 0", timeout=5)
            licences = page.evaluate("""Promise.all([...document.querySelectorAll(
                'dialog.help a')].map(async (a) => [a.href, await (await fetch(a.href)).text()]))
            """)
            asked = [e["params"]["request"]["url"] for e in page.events
                     if e["method"] == "Network.requestWillBeSent"]
    problems = [f"it asked for {url}" for url in asked
                if url != copy.as_uri() and not url.startswith(("data:", "blob:"))]
    texts = {path.read_text(encoding="utf-8")
             for path in Path(args.site, "fonts").glob("LICENSE*.txt")}
    if not licences or {text for _, text in licences} != texts:
        problems.append(f"its licence links give {[(h[:40], len(t)) for h, t in licences]}")
    check(problems, "the single file")
    print(f"  from disk, offline: CALC shows 7.9999; {len(licences)} licence texts from its "
          f"help; {source.stat().st_size / 1024:.1f} KB, {packed / 1024:.1f} KB gzipped")


# ----------------------------------------------------------------------------------------
# The served site.

def wait_offline_ready(page):
    """The service worker has cached the build and controls the page."""
    page.wait_for("navigator.serviceWorker.ready.then((r) => r.active.state === 'activated'"
                  " && navigator.serviceWorker.controller !== null)", timeout=30)


def installable(args, served):
    """Chromium finds nothing that keeps the served page from being installed."""
    with cdp.chromium() as page:
        page.navigate(served.url)
        page.wait_for(STARTED)
        wait_offline_ready(page)
        errors = page.send("Page.getInstallabilityErrors")["installabilityErrors"]
        manifest = page.send("Page.getAppManifest")
    check([f"{e['errorId']} {e.get('errorArguments', '')}" for e in errors], "installability")
    check([f"manifest: {e['message']}" for e in manifest.get("errors", [])], "manifest")
    print("  installable: Chromium reports no error, the manifest parses cleanly")


def offline_reload(args, served):
    """After one visit, with the server gone, the network off and the HTTP cache disabled,
    a reload starts the page and CALC works."""
    with cdp.chromium() as page:
        page.navigate(served.url)
        page.wait_for(STARTED)
        wait_offline_ready(page)
        served.stop()
        page.send("Network.enable")
        page.send("Network.setCacheDisabled", cacheDisabled=True)
        page.send("Network.emulateNetworkConditions", offline=True, latency=0,
                  downloadThroughput=-1, uploadThroughput=-1)
        page.evaluate("document.getElementById('window').dataset.before = 'reload'")
        page.send("Page.reload", ignoreCache=True)
        page.wait_for("!document.getElementById('window')?.dataset.before", timeout=30)
        calc_shows_a0(page)
    print("  server stopped, network off, HTTP cache off: the reload runs CALC, S/T 7.9999")


def new_build(args, served_site):
    """A visit keeps build A; build B (a changed page, finished again) is put in its place;
    the next visit shows B, and only B's cache is left."""
    sys.path.insert(0, str(TOOLS))
    import finish_site
    with tempfile.TemporaryDirectory(prefix="quorvel-builds-") as root:
        site = Path(root, "site")
        shutil.copytree(args.site, site)
        with served_site(str(site)) as served, cdp.chromium() as page:
            page.navigate(served.url)
            page.wait_for(STARTED)
            wait_offline_ready(page)
            first = page.evaluate("caches.keys()")
            html = (site / "index.html").read_text(encoding="utf-8")
            (site / "index.html").write_text(html.replace(
                "<head>", '<head>\n<meta name="build" content="B">', 1), encoding="utf-8")
            finish_site.finish(site)
            second = finish_site.cache_name(site, finish_site.precached(site))
            page.navigate(served.url)
            page.wait_for("document.querySelector('meta[name=build]')?.content === 'B'",
                          timeout=30)
            page.wait_for(STARTED)
            kept = page.wait_for(f"caches.keys().then((k) => k.length === 1 && k[0] === "
                                 f"'{second}' && k)", timeout=30)
    if first == kept:
        raise Failure(f"build B kept build A's cache {first}")
    print(f"  build A cached as {first}; the next visit shows build B, cached as {kept}, and "
          f"A's cache is gone")


def headers(args, served):
    """What the server sends for each kind of file: its type, the .br or .gz sibling to a
    browser that accepts it (the file itself to one that accepts neither), a year for
    hashed names and no caching for the page, the manifest and the worker."""
    site = Path(args.site)
    wasm = next(site.glob("quorvel.*.wasm")).name
    font = "fonts/" + next(site.glob("fonts/quorvel-serif.*.woff2")).name
    year = "public, max-age=31536000, immutable"
    cases = [
        # (path, file, type, cache control, compressed)
        ("", "index.html", "text/html", "no-cache", True),
        ("index.html", "index.html", "text/html", "no-cache", True),
        ("sw.js", "sw.js", "javascript", "no-cache", True),
        ("manifest.webmanifest", "manifest.webmanifest", "application/manifest+json",
         "no-cache", True),
        (wasm, wasm, "application/wasm", year, True),
        (font, font, "font/woff2", year, False),
        ("icons/quorvel-192.png", "icons/quorvel-192.png", "image/png", None, False),
        ("quorvel.html", "quorvel.html", "text/html", "no-cache", True),
    ]
    problems = []
    for path, name, kind, cache, compressed in cases:
        for accept, encoding in (("br, gzip", "br"), ("gzip", "gzip"), ("identity", None)):
            request = urllib.request.Request(served.url + path,
                                             headers={"Accept-Encoding": accept})
            with urllib.request.urlopen(request, timeout=30) as reply:
                body, got = reply.read(), reply.headers
            want = encoding if compressed else None
            what = f"/{path} ({accept})"
            if kind not in (got.get("Content-Type") or ""):
                problems.append(f"{what} is {got.get('Content-Type')}, not {kind}")
            if got.get("Content-Encoding") != want:
                problems.append(f"{what} comes {got.get('Content-Encoding')}, not {want}")
            if cache is not None and got.get("Cache-Control") != cache:
                problems.append(f"{what} has Cache-Control {got.get('Cache-Control')}")
            if cache is None and "immutable" in (got.get("Cache-Control") or ""):
                problems.append(f"{what}, not hashed, is kept as immutable")
            original = (site / name).read_bytes()
            if want == "gzip":
                body = gzip.decompress(body)
            elif want == "br":
                body = subprocess.run(["brotli", "-d", "-c"], input=body, capture_output=True,
                                      check=True).stdout
            if body != original:
                problems.append(f"{what} does not hold {name}")
    check(problems, "headers")
    print(f"  {len(cases)} files, each as br, gzip and plain: types, encodings, caching right")


def served_page_runs(args, served):
    """The served page starts and CALC works, the module and the faces coming under their
    hashed names."""
    with cdp.chromium() as page:
        page.send("Network.enable")
        page.navigate(served.url)
        calc_shows_a0(page)
        page.wait_for("document.fonts.status === 'loaded'")
        faces = page.evaluate("[...document.fonts].filter((f) => f.status === 'loaded').length")
    if faces != 3:
        raise Failure(f"{faces} of the 3 faces loaded")
    print("  the page starts, its 3 faces load, CALC shows 7.9999")


LOCAL = {"site_files": site_files, "no_test_hooks": no_test_hooks, "single_file": single_file}
SERVED = {"headers": headers, "page": served_page_runs, "installable": installable,
          "offline_reload": offline_reload}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list-local", action="store_true")
    parser.add_argument("--list-served", action="store_true")
    parser.add_argument("--site")
    parser.add_argument("--server", choices=["preview", "nginx"])
    parser.add_argument("scenario", nargs="?")
    args = parser.parse_args()
    if args.list_local or args.list_served:
        print(" ".join(LOCAL if args.list_local else [*SERVED, "new_build"]))
        return 0
    if args.scenario not in [*LOCAL, *SERVED, "new_build"]:
        parser.error(f"no scenario {args.scenario!r}")
    print(f"scenario {args.scenario}" + (f" on {args.server}" if args.server else ""))
    return run_and_report(lambda: run(args), failures=(cdp.ProtocolError,))


def run(args):
    if cdp.chromium_missing():
        raise Skipped(cdp.chromium_missing())
    if not os.path.exists(os.path.join(args.site, "index.html")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    if args.scenario in LOCAL:
        LOCAL[args.scenario](args)
    elif args.scenario == "new_build":
        new_build(args, servers.SERVERS[args.server])
    else:
        with servers.SERVERS[args.server](args.site) as served:
            SERVED[args.scenario](args, served)


if __name__ == "__main__":
    sys.exit(main())
