#!/usr/bin/env python3
"""The page's printed worksheet, in headless Chromium: Ctrl+P prints the worksheet and the
context menu's "Print answer key" the key, each the print style sheet's one A4 page, which
Page.printToPDF writes. pdftotext finds the exercise's code, the page's address that opens
it and the table (on the key the core's coefficients), and none of the window's captions;
the page rasterised at the plot's own resolution shows the example plot dot for dot as the
core drew it for print, and zbarimg reads the sheet's QR code as that address.

  worksheet_test.py --site build/web-probe --out DIR SCENARIO
  worksheet_test.py --list

Exit status: 0 passed, 1 failed, 77 skipped (no Chromium, python3-websocket or poppler).
"""

import argparse
import base64
import os
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True

from quorvel_drive import cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.images import Image, differing_pixels, keep, read_png  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402

from browser_test import CTRL  # noqa: E402
from language_test import choose_in_menu, open_menu  # noqa: E402
from opened_page import open_page  # noqa: E402

A4_INCHES = (8.27, 11.69)
# The window's own captions, which are not on paper.
WINDOW_CAPTIONS = ("Example Wave * Essential Wave", "Spectol")

# The sheet the core gives for a kind, its plot's pixels as RGB in base64.
CORE_SHEET = """(() => {{
  const {{ description, image }} = quorvel.core.worksheet({key});
  const rgb = new Uint8Array(image.width * image.height * 3);
  for (let i = 0, j = 0; i < image.data.length; i += 4, j += 3) {{
    rgb[j] = image.data[i]; rgb[j + 1] = image.data[i + 1]; rgb[j + 2] = image.data[i + 2];
  }}
  let text = "";
  for (let i = 0; i < rgb.length; i += 0x8000) {{
    text += String.fromCharCode(...rgb.subarray(i, i + 0x8000));
  }}
  return {{ description, rgb: btoa(text) }};
}})()"""

# Where the plot lies on paper, in CSS pixels from the page's corner, as print lays it out.
PLOT_BOX = """(() => {
  const r = document.querySelector('#worksheet .worksheet-plot').getBoundingClientRect();
  return [r.left + scrollX, r.top + scrollY, r.width, r.height];
})()"""


def print_by_keys(page, wp):
    params = {"key": "p", "code": "KeyP", "windowsVirtualKeyCode": 80, "modifiers": CTRL}
    page.send("Input.dispatchKeyEvent", type="rawKeyDown", **params)
    page.send("Input.dispatchKeyEvent", type="keyUp", **params)


def print_from_menu(page, wp):
    label = page.evaluate("JSON.parse(document.getElementById('page-description').textContent)"
                          ".commands.find((c) => c.id === 'print_answer_key').label")
    open_menu(page, wp)
    choose_in_menu(page, f"e.textContent === {label!r}", label)


# Scenario: the events before printing, how the print is asked for, which sheet it is.
SCENARIOS = {
    "worksheet": (["Command1_Click"], print_by_keys, False),
    "answer_key": (["Spin_lebel_SpinUp", "Spin_lebel_SpinUp", "Command1_Click"],
                   print_from_menu, True),
}


def run_tool(*command):
    return subprocess.run(command, capture_output=True, check=True, timeout=60).stdout


def printed_pdf(page, path):
    pdf = page.send("Page.printToPDF", paperWidth=A4_INCHES[0], paperHeight=A4_INCHES[1],
                    marginTop=0, marginBottom=0, marginLeft=0, marginRight=0,
                    printBackground=False)["data"]
    with open(path, "wb") as f:
        f.write(base64.b64decode(pdf))


def check_text(pdf, sheet, address, key):
    text = " ".join(run_tool("pdftotext", "-layout", pdf, "-").decode().split())
    wanted = [sheet["code"], address, sheet["title"], *sheet["headings"],
              *(cell for row in sheet["rows"] for cell in row if cell), sheet["answer"]]
    problems = [f"{w!r} is not in the PDF" for w in wanted if w not in text]
    problems += [f"the window's caption {c!r} is printed" for c in WINDOW_CAPTIONS if c in text]
    pages = [line for line in run_tool("pdfinfo", pdf).decode().splitlines()
             if line.startswith("Pages:")]
    if pages != ["Pages:           1"]:
        problems.append(f"the sheet is not one page: {pages}")
    if problems:
        raise Failure("; ".join(problems) + f"\nthe PDF's text: {text}")
    shown = [row[3] for row in sheet["rows"]]
    print(f"  pdftotext finds {sheet['code']}, {address} and the table "
          f"({', '.join(shown) if key else 'no numbers'}); no window caption; one page")


def check_plot(page, pdf, sheet, rgb, out_dir):
    dpi = sheet["plot"]["dpi"]
    page.send("Emulation.setEmulatedMedia", media="print")
    box = page.evaluate(PLOT_BOX)
    page.send("Emulation.setEmulatedMedia", media="")
    x, y, w, h = (v * dpi / 96 for v in box)
    drawn = Image(sheet["plot"]["width"], sheet["plot"]["height"], rgb)
    # On whole dots, and holding the core's plot (its canvas is white beyond it to the
    # next twelfth of an inch).
    if any(abs(v - round(v)) > 1e-6 for v in (x, y, w, h)) or \
            not 0 <= w - drawn.width < dpi / 12 or not 0 <= h - drawn.height < dpi / 12:
        raise Failure(f"the plot lies at {x}, {y} ({w} × {h}), not on the core's "
                      f"{drawn.width} × {drawn.height} dots at {dpi} dpi")
    stem = os.path.join(out_dir, "page")
    # Poppler's Cairo rasteriser: its Splash one (pdftoppm) blends neighbouring rows of an
    # image placed upside down, as Chromium places every image, where Cairo takes each
    # pixel whole.
    run_tool("pdftocairo", "-r", str(dpi), "-png", "-singlefile", pdf, stem)
    shown = read_png(stem + ".png").crop(round(x), round(y), drawn.width, drawn.height)
    if shown != drawn:
        kept = keep(os.path.join(out_dir, "plot"), printed=shown, core=drawn)
        raise Failure(f"{len(differing_pixels(shown, drawn))} of the plot's dots differ from "
                      f"the core's pixels ({kept})")
    print(f"  the plot prints at {round(x)}, {round(y)}: {drawn.width} × {drawn.height} dots "
          f"at {dpi} dpi, each the core's pixel")


def check_qr(out_dir, address):
    """The sheet's QR code, read off the printed page as a phone's camera would."""
    page_png = os.path.join(out_dir, "page.png")
    result = subprocess.run(["zbarimg", "--raw", "-q", page_png], capture_output=True,
                            text=True, timeout=60)
    read = result.stdout.split("\n")
    if address not in read:
        raise Failure(f"the printed QR code reads {read!r}, not {address}")
    print(f"  zbarimg reads the printed QR code as {address}")


def run_scenario(args, url):
    events, ask, key = SCENARIOS[args.scenario]
    with cdp.chromium(1000, 700) as page:
        wp = open_page(page, url)
        for event in events:
            page.evaluate(f"quorvel.raise({event!r})")
        # The browser's print dialog is stood in for: the sheet is filled before it.
        page.evaluate("window.print = () => { quorvel.printed = (quorvel.printed ?? 0) + 1; }")
        ask(page, wp)
        page.wait_for("quorvel.printed === 1", timeout=10)
        kind = page.evaluate("document.getElementById('worksheet').dataset.kind")
        if kind != ("answer_key" if key else "worksheet"):
            raise Failure(f"the page filled the {kind}")
        core = page.evaluate(CORE_SHEET.format(key="true" if key else "false"))
        sheet, rgb = core["description"], base64.b64decode(core["rgb"])
        code = page.evaluate("quorvel.core.state().exercise")
        if sheet["code"] != code:
            raise Failure(f"the sheet's code is {sheet['code']}, the window's {code}")
        address = page.evaluate(f"(() => {{ const u = new URL(location.href); "
                                f"u.hash = 'exercise={code}'; return u.href; }})()")
        pdf = os.path.join(args.out, "sheet.pdf")
        printed_pdf(page, pdf)
        check_text(pdf, sheet, address, key)
        check_plot(page, pdf, sheet, rgb, args.out)
        check_qr(args.out, address)
        run_tool("pdftoppm", "-r", "100", "-png", "-singlefile", pdf,
                 os.path.join(args.out, "sheet-100dpi"))


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
    if cdp.chromium_missing():
        raise Skipped(cdp.chromium_missing())
    for tool in ("pdftotext", "pdftocairo", "pdftoppm", "pdfinfo", "zbarimg"):
        if shutil.which(tool) is None:
            raise Skipped(f"no {tool} (poppler-utils, zbar-tools)")
    if not os.path.exists(os.path.join(args.site, "quorvel.wasm")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    os.makedirs(args.out, exist_ok=True)
    with servers.SERVERS["preview"](args.site) as served:
        run_scenario(args, served.url)


if __name__ == "__main__":
    sys.exit(main())
