#!/usr/bin/env python3
"""End-to-end tests of quorvel on a real X server.

Each test starts its own Xvfb, starts the real program in it, and works the window with
the mouse and keyboard through xdotool, at positions taken from the layout table (through
quorvel-e2e-layout). The same events, written as handler names, go to quorvel-replay, and
the real window's client area must equal the replay's snapshot pixel for pixel, apart
from the one control that holds the keyboard focus (its focus frame is drawn only on the
real screen). On a difference the two images and a diff image are kept in --out.

  e2e.py list                       the scenarios' names, one a line (ctest reads them)
  e2e.py [options] scenario NAME    one scenario of quorvel_e2e/scenarios.py
  e2e.py [options] soak             random clicks in batches, compared after every batch
  e2e.py [options] zoom             the window zoomed to 200 % with its keys against the
                                    program started with QT_SCALE_FACTOR=2; Ctrl+0; the help
  e2e.py [options] zoom-fit WxH     Ctrl+= five times on a screen of that size: the window
                                    stops at the largest step that fits, on the screen
  e2e.py [options] wayland          the program on a headless weston with Qt's Wayland
                                    platform, worked through the accessibility bus and
                                    compared with the replay after every step
  e2e.py [options] exercise-code LEVEL
                                    the window started with --exercise CODE, a code taken
                                    from the replay at that level, against the replay
  e2e.py [options] memcheck         a long replay under valgrind memcheck
  e2e.py [options] contrast [--palette seed]
                                    every text of the window started with --high-contrast
                                    at 4.5:1 or more, measured from its pixels (with seed,
                                    the program's own look, measured and reported only)
  e2e.py themes                     the dark desktops' names, one a line (ctest reads them)
  e2e.py [options] theme NAME       the exercise's first steps on a dark desktop

Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb; no valgrind for memcheck).
"""

import argparse
import importlib.util
import os
import shutil
import sys

# Its own package sits beside this driver; the one it shares with the web's drivers
# (quorvel_drive) comes from tests/drive through PYTHONPATH, as ctest runs it. No bytecode
# is left in the source tree.
sys.dont_write_bytecode = True

from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402
from quorvel_e2e.accessibility import SYSTEM_PYTHON  # noqa: E402
from quorvel_e2e.contrast import contrast_check  # noqa: E402
from quorvel_e2e.exercise_code import LEVELS, run_exercise_code  # noqa: E402
from quorvel_e2e.memcheck import memcheck  # noqa: E402
from quorvel_e2e.scenarios import SCENARIOS, run_scenario  # noqa: E402
from quorvel_e2e.soak import soak  # noqa: E402
from quorvel_e2e.themes import THEMES, run_theme  # noqa: E402
from quorvel_e2e.wayland import wayland  # noqa: E402
from quorvel_e2e.zoom import FITTING, zoom, zoom_fit  # noqa: E402


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--quorvel")
    parser.add_argument("--replay")
    parser.add_argument("--layout", help="the quorvel-e2e-layout program")
    parser.add_argument("--palette-probe", help="the quorvel-e2e-palette program (theme)")
    parser.add_argument("--out", help="where images are kept on failure")
    parser.add_argument("--keep-images", action="store_true",
                        help="keep the images of every comparison, passed or not")
    sub = parser.add_subparsers(dest="command", required=True)
    sub.add_parser("list")
    sub.add_parser("themes")
    one = sub.add_parser("scenario")
    one.add_argument("name", choices=list(SCENARIOS))
    many = sub.add_parser("soak")
    many.add_argument("--clicks", type=int, default=3000)
    many.add_argument("--batch", type=int, default=150)
    many.add_argument("--seed", type=int)
    sub.add_parser("zoom")
    sub.add_parser("wayland")
    code = sub.add_parser("exercise-code")
    code.add_argument("level", type=int, choices=LEVELS)
    fit = sub.add_parser("zoom-fit")
    fit.add_argument("screen", choices=list(FITTING))
    dark = sub.add_parser("theme")
    dark.add_argument("name", choices=list(THEMES))
    ratios = sub.add_parser("contrast")
    ratios.add_argument("--palette", choices=["seed", "high-contrast"], default="high-contrast")
    mem = sub.add_parser("memcheck")
    mem.add_argument("--events", type=int, default=400)
    mem.add_argument("--seed", type=int)
    args = parser.parse_args()
    if args.command not in ("list", "themes"):
        missing = [o for o in ("quorvel", "replay", "layout", "out") if getattr(args, o) is None]
        if missing:
            parser.error("the programs are needed: " + ", ".join("--" + o for o in missing))
    return args


def run(args):
    if args.command == "memcheck":
        return memcheck(args)
    if args.command == "wayland":
        return wayland(args)
    if shutil.which("Xvfb") is None:
        raise Skipped("Xvfb is not installed (scripts/setup.sh installs it)")
    missing = [t for t in ("xdotool", "import", "convert", "compare", "xmessage")
               if shutil.which(t) is None]
    if missing:
        raise Failure(f"missing tools: {', '.join(missing)} (scripts/setup.sh installs "
                      f"xdotool, x11-utils and imagemagick)")
    if args.command == "scenario":
        run_scenario(args, args.name)
    elif args.command == "theme":
        run_theme(args, args.name)
    elif args.command == "zoom":
        zoom(args)
    elif args.command == "contrast":
        contrast_check(args)
    elif args.command == "zoom-fit":
        zoom_fit(args, args.screen)
    elif args.command == "exercise-code":
        run_exercise_code(args, args.level)
    else:
        soak(args)


def main():
    args = parse_args()
    # The Wayland test works the window through the accessibility bus, with Debian's
    # python3-pyatspi, which only the system's Python has.
    if args.command == "wayland" and importlib.util.find_spec("pyatspi") is None \
            and os.path.exists(SYSTEM_PYTHON) \
            and os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON):
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, *sys.argv])
    if args.command in ("list", "themes"):
        print("\n".join(SCENARIOS if args.command == "list" else THEMES))
        return 0
    return run_and_report(lambda: run(args))


if __name__ == "__main__":
    sys.exit(main())
