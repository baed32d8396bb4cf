#!/usr/bin/env python3
"""The page audited by axe-core (the accessibility engine of the browsers' own audits) in
headless Chromium, on each emulated device, with the WCAG 2.0, 2.1 and 2.2 A and AA rules
and axe's best practices: no violation at all, except the colour-contrast rule in the
program's own colours; under the browser's prefers-contrast: more the page shows the
high-contrast palette, and the colour-contrast rule passes too. The audit runs with the
readouts and the answers shown (after CALC and ANS), and the page logs no error.

  audit_test.py --site build/web --axe node_modules/axe-core/axe.min.js DEVICE CONTRAST
  audit_test.py --list

DEVICE is one of the device tests' devices (phone, phone_on_its_side, tablet, laptop,
projector); CONTRAST is no-preference or more.
Exit status: 0 passed, 1 failed, 77 skipped (no Chromium, python3-websocket or axe-core).
"""

import argparse
import json
import os
import sys

# No bytecode is left in the source tree; the helpers every driver shares (quorvel_drive)
# come from tests/drive through PYTHONPATH, as ctest runs it.
sys.dont_write_bytecode = True

from quorvel_drive import cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402

from devices_test import DEVICES  # noqa: E402  the devices the page is tried on

TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]
CONTRASTS = ["no-preference", "more"]
# Where the program's own colours are kept as they are, their reds fall short of 4.5:1.
ALLOWED = {"no-preference": {"color-contrast"}, "more": set()}


def audit(site, axe_path, device, contrast):
    d = DEVICES[device]
    width, height, scale, touch = d.width, d.height, d.ratio, d.touch
    with servers.preview(site) as served, cdp.chromium(width, height, scale) as page:
        page.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=scale, mobile=touch)
        page.send("Emulation.setTouchEmulationEnabled", enabled=touch,
                  maxTouchPoints=5 if touch else 1)
        page.send("Emulation.setEmulatedMedia",
                  features=[{"name": "prefers-contrast", "value": contrast}])
        page.send("Log.enable")
        page.navigate(served.url)
        page.wait_for("globalThis.quorvel && quorvel.painted")
        page.wait_for("document.fonts.status === 'loaded'")
        palette = page.evaluate("document.getElementById('window').dataset.palette")
        wanted = "high-contrast" if contrast == "more" else "seed"
        problems = []
        if palette != wanted:
            problems.append(f"prefers-contrast: {contrast} shows the {palette} palette")
        page.evaluate("quorvel.raise('Command3_Click'); quorvel.raise('Command4_Click')")
        with open(axe_path, encoding="utf-8") as source:
            page.evaluate(source.read())
        result = page.evaluate(
            "axe.run(document, {runOnly: {type: 'tag', values: %s}, resultTypes: "
            "['violations', 'passes']}).then((r) => ({violations: r.violations.map((v) => "
            "({id: v.id, impact: v.impact, nodes: v.nodes.map((n) => n.target.join(' ') + "
            "': ' + n.failureSummary.split('\\n').slice(1).join(' '))})), "
            "passes: r.passes.map((p) => p.id)}))" % json.dumps(TAGS))
        errors = [e for e in page.events if is_error(e)]
    for e in errors:
        problems.append(f"error logged on load: {describe_error(e)}")
    for v in result["violations"]:
        shown = f"{v['id']} ({v['impact']}, {len(v['nodes'])} elements)"
        if v["id"] in ALLOWED[contrast]:
            print(f"  allowed in the program's own colours: {shown}")
            continue
        problems.append(shown + "".join(f"\n      {n}" for n in v["nodes"][:8]))
    if contrast == "more" and "color-contrast" not in result["passes"]:
        problems.append("the colour-contrast rule did not run to a pass")
    print(f"  {device} {width}x{height} @{scale}{' touch' if touch else ''}, "
          f"prefers-contrast: {contrast}: {len(result['passes'])} rules pass, "
          f"{len(result['violations'])} violated")
    return problems


def is_error(event):
    method = event.get("method")
    params = event.get("params", {})
    if method == "Runtime.exceptionThrown":
        return True
    if method == "Runtime.consoleAPICalled":
        return params.get("type") == "error"
    if method == "Log.entryAdded":
        return params.get("entry", {}).get("level") == "error"
    return False


def describe_error(event):
    params = event["params"]
    if "entry" in params:
        return f"{params['entry'].get('text')} {params['entry'].get('url', '')}".strip()
    if "exceptionDetails" in params:
        return params["exceptionDetails"].get("text", "exception")
    return " ".join(str(a.get("value", a.get("description", ""))) for a in params["args"])


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--site")
    parser.add_argument("--axe")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("device", nargs="?", choices=list(DEVICES))
    parser.add_argument("contrast", nargs="?", choices=CONTRASTS)
    args = parser.parse_args()
    if args.list:
        print(" ".join(f"{d}.{c}" for d in DEVICES for c in CONTRASTS))
        return 0
    return run_and_report(lambda: run(args), failures=(cdp.ProtocolError,))


def run(args):
    if cdp.chromium_missing():
        raise Skipped(cdp.chromium_missing())
    if not os.path.exists(args.axe):
        raise Skipped(f"no {args.axe} (scripts/setup.sh installs the pinned axe-core)")
    problems = audit(args.site, args.axe, args.device, args.contrast)
    if problems:
        raise Failure("\n  " + "\n  ".join(problems))


if __name__ == "__main__":
    sys.exit(main())
