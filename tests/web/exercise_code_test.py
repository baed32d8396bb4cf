#!/usr/bin/env python3
"""An exercise's code opened in Firefox (headless, over WebDriver BiDi): at each level a
code the replay gave after random events, the page opened at its address with
#exercise=CODE, at the window's own 647 x 455 CSS pixels. The page's state must be the
replay's after `exercise CODE` and every plot equal to the replay's snapshot pixel for pixel
(what lies over a plot left out), its captions the same; and so after each of three clicks
on RESET, which draws the same next examples on both. WebKit runs the same examples
(webkit_test.py exercise_code).

  exercise_code_test.py --site build/web-probe --replay quorvel-replay --out DIR

Exit status: 0 passed, 1 failed, 77 skipped (no Firefox or python3-websocket).
"""

import argparse
import os
import sys

# No bytecode is left in the source tree; the helpers every driver shares (quorvel_drive)
# come from tests/drive through PYTHONPATH, as ctest runs it.
sys.dont_write_bytecode = True

from quorvel_drive import bidi, servers  # noqa: E402
from quorvel_drive.cdp import ProtocolError  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.replay import replay_checkpoints  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402

from browser_test import compare, exercise_code_after  # noqa: E402
from opened_page import open_page  # noqa: E402

# (level, seed of its random events): one example at every level.
EXAMPLES = [(1, 1101), (2, 2202), (3, 3303), (4, 4404)]
RESETS = 3


def check_exercise_codes(args, page, url):
    """Every example opened in the browser's one tab (`page`, a driver whose navigate
    waits for the load), after about:blank, as a link opened in a tab already used;
    compared with the replay on opening and after each RESET clicked."""
    for level, seed in EXAMPLES:
        code = exercise_code_after(args.replay, seed, level)
        states, snaps, _ = replay_checkpoints(
            args.replay, [[f"exercise {code}"]] + [["Command1_Click"]] * RESETS)
        page.navigate("about:blank")
        wp = open_page(page, f"{url}#exercise={code}")
        if abs(wp.scale() - 1) > 1e-9:
            raise Failure(f"at 647 x 455 the window shows at a scale of {wp.scale()}")
        for resets, (state, snap) in enumerate(zip(states, snaps)):
            note = f"level {level} {code}" + (f" after RESET {resets}" if resets else "")
            if resets:
                wp.click("Command1")
                page.wait_for(f"quorvel.raised.length >= {resets}", timeout=10)
                raised = [h for h, _ in page.evaluate("quorvel.raised")]
                if raised != ["Command1_Click"] * resets:
                    raise Failure(f"{note}: the page raised {raised}")
            shown = page.evaluate("quorvel.core.state()")
            if shown != state:
                differ = sorted(k for k in state.keys() | shown.keys()
                                if state.get(k) != shown.get(k))
                raise Failure(f"{note}: the page's state differs from the replay's in "
                              f"{differ} (page exercise {shown.get('exercise')})")
            compare(wp, snap, state, note, args.out)


def run(args):
    missing = bidi.firefox_missing()
    if missing:
        raise Skipped(missing)
    if not os.path.exists(os.path.join(args.site, "quorvel.wasm")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    os.makedirs(args.out, exist_ok=True)
    with servers.preview(args.site) as served, bidi.firefox() as page:
        page.set_device(647, 455, 1)
        check_exercise_codes(args, page, served.url)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--site", required=True)
    parser.add_argument("--replay", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    print("firefox: exercise codes")
    return run_and_report(lambda: run(args), failures=(ProtocolError,))


if __name__ == "__main__":
    sys.exit(main())
