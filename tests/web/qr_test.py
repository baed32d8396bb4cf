#!/usr/bin/env python3
"""The share dialog's QR code, in headless Chromium: what the screen shows of it, read back
by zbarimg, is the page's address with the exercise's code, and it is large enough to scan
off a projector from the back of a classroom.

  qr_test.py --site build/web DEVICE
  qr_test.py --list

Exit status: 0 passed, 1 failed, 77 skipped (no Chromium, no zbarimg).
"""

import argparse
import base64
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.dont_write_bytecode = True

from quorvel_drive import cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402

from offline_test import STARTED  # noqa: E402

# (width, height, device pixel ratio, the least side of the symbol in CSS pixels). On a
# 1920 x 1080 image 2 m wide a CSS pixel is 1.04 mm, so 45 mm is 44 px: far more is asked,
# 300 px and 30 % of the shorter side, for a class to scan; elsewhere 30 % of it.
DEVICES = {
    "projector": (1920, 1080, 1, 324),
    "laptop": (1366, 768, 1, 231),
    "phone": (390, 844, 3, 117),
}
OPEN_SHARE = """document.dispatchEvent(new KeyboardEvent('keydown', {key: 'S', code: 'KeyS',
    ctrlKey: true, shiftKey: true, bubbles: true, cancelable: true}))"""


def read_qr(png):
    with tempfile.NamedTemporaryFile(suffix=".png") as f:
        f.write(png)
        f.flush()
        found = subprocess.run(["zbarimg", "--quiet", "--raw", f.name], capture_output=True,
                               text=True, timeout=60)
    return found.stdout.strip() if found.returncode == 0 else None


def device(args, name):
    """The dialog on one screen: the symbol inside the viewport, at least the least side,
    in whole device pixels, and read back as the address the dialog gives."""
    width, height, ratio, least = DEVICES[name]
    with servers.preview(args.site) as served, cdp.chromium(width, height, ratio) as page:
        page.navigate(served.url)
        page.wait_for(STARTED, timeout=60)
        page.evaluate(OPEN_SHARE)
        page.wait_for("document.getElementById('exercise-qr')?.width > 0", timeout=5)
        shown = page.evaluate("""(() => {
            const c = document.getElementById('exercise-qr');
            const r = c.getBoundingClientRect();
            return {x: r.x, y: r.y, width: r.width, height: r.height, pixels: c.width,
                    label: c.getAttribute('aria-label'), role: c.getAttribute('role'),
                    address: document.getElementById('exercise-address').value,
                    code: document.getElementById('exercise-code').textContent};
        })()""")
        clip = {k: shown[k] for k in ("x", "y", "width", "height")}
        png = base64.b64decode(page.send("Page.captureScreenshot", format="png",
                                         clip={**clip, "scale": 1})["data"])
    problems = []
    if not shown["address"].endswith(f"#exercise={shown['code']}") or not shown["code"]:
        problems.append(f"the dialog gives {shown['address']} for {shown['code']}")
    read = read_qr(png)
    if read != shown["address"]:
        problems.append(f"zbarimg reads {read!r}, the address is {shown['address']!r}")
    if shown["width"] < least or shown["height"] != shown["width"]:
        problems.append(f"the symbol is {shown['width']}x{shown['height']} px, under {least}")
    if shown["x"] < 0 or shown["y"] < 0 or shown["x"] + shown["width"] > width or \
            shown["y"] + shown["height"] > height:
        problems.append(f"the symbol at {clip} leaves the {width}x{height} viewport")
    if shown["pixels"] != round(shown["width"] * ratio):
        problems.append(f"{shown['pixels']} canvas pixels cover {shown['width'] * ratio}")
    if shown["role"] != "img" or not shown["label"]:
        problems.append(f"the symbol is role {shown['role']} named {shown['label']!r}")
    if problems:
        os.makedirs(args.out, exist_ok=True)
        Path(args.out, f"qr-{name}.png").write_bytes(png)
        raise Failure("; ".join(problems))
    print(f"  {name} {width}x{height} at {ratio}: {shown['width']:g} CSS px "
          f"({shown['width'] / min(width, height):.0%} of the shorter side), reads {read}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--site")
    parser.add_argument("--out", default=tempfile.gettempdir())
    parser.add_argument("device", nargs="?")
    args = parser.parse_args()
    if args.list:
        print(" ".join(DEVICES))
        return 0
    if args.device not in DEVICES:
        parser.error(f"no device {args.device!r}")
    print(f"device {args.device}")
    return run_and_report(lambda: run(args), failures=(cdp.ProtocolError,))


def run(args):
    if cdp.chromium_missing():
        raise Skipped(cdp.chromium_missing())
    if shutil.which("zbarimg") is None:
        raise Skipped("zbarimg is not installed (scripts/setup.sh installs zbar-tools)")
    if not os.path.exists(os.path.join(args.site, "index.html")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    device(args, args.device)


if __name__ == "__main__":
    sys.exit(main())
