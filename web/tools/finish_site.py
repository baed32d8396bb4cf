#!/usr/bin/env python3
"""Finishes a built site for hosting: writes its service worker (sw.js), which precaches
every file of the build under a cache named by the build's content, and puts a .gz
(gzip -9) and a .br (brotli) sibling beside every text and WebAssembly file, for a server
that sends them as they are (nginx's gzip_static and brotli_static, the preview server).

  finish_site.py SITE_DIR

Run again after changing a file of the site: the worker's list, its cache's name and the
compressed files follow.
"""

import hashlib
import json
import subprocess
import sys
from pathlib import Path

WORKER_SOURCE = Path(__file__).resolve().parent.parent / "page" / "sw.js"
WORKER = "sw.js"
# The download of the whole program as one page: not a part of the served app.
SINGLE_FILE = "quorvel.html"
COMPRESSED = (".gz", ".br")
COMPRESSIBLE = {".html", ".js", ".css", ".json", ".webmanifest", ".txt", ".svg", ".wasm"}


def site_files(site):
    """Every file of the site as a path relative to it, the compressed siblings left out."""
    return sorted(p.relative_to(site).as_posix() for p in site.rglob("*")
                  if p.is_file() and p.suffix not in COMPRESSED)


def precached(site):
    return [f for f in site_files(site) if f not in (WORKER, SINGLE_FILE)]


def cache_name(site, files):
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + hashlib.sha256((site / name).read_bytes()).digest())
    return "quorvel-" + digest.hexdigest()[:16]


def write_worker(site):
    files = precached(site)
    source = WORKER_SOURCE.read_text(encoding="utf-8")
    # Each mark is a valid literal of its own, so the source parses (and lints) as it is.
    for mark in ("@CACHE@", '["@FILES@"]'):
        if source.count(mark) != 1:
            sys.exit(f"finish_site: {WORKER_SOURCE} must hold {mark} once")
    # The start URL, "./", is the page too.
    source = source.replace("@CACHE@", cache_name(site, files))
    source = source.replace('["@FILES@"]', json.dumps(["./", *files]))
    (site / WORKER).write_text(source, encoding="utf-8")


def compress(site):
    for old in site.rglob("*"):
        if old.suffix in COMPRESSED:
            old.unlink()
    for name in site_files(site):
        path = site / name
        if path.suffix not in COMPRESSIBLE:
            continue  # PNG and WOFF2 are compressed already
        for suffix, command in ((".gz", ["gzip", "-9", "-n", "-c"]),
                                (".br", ["brotli", "--best", "-c"])):
            with open(f"{path}{suffix}", "wb") as out:
                subprocess.run([*command, str(path)], stdout=out, check=True)


def finish(site):
    site = Path(site)
    write_worker(site)
    compress(site)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    finish(sys.argv[1])
