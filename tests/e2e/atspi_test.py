#!/usr/bin/env python3
"""The window as a screen reader meets it: the real program on a private Xvfb with a
private D-Bus session, read and worked through AT-SPI, the desktop's accessibility
interface, exactly as a screen reader does.

It finds the window, presses CALC through its action and reads the S/T readout's text,
steps n with the spin button's Increase action and reads n, presses ANS and reads the
answers; every text must be what quorvel-replay shows after the same events, and every
change must have been announced (a text-change event from the label, a value-change
event from the spin button). It also reads each spin button's bounds.

With --language, the program is started with LANGUAGE set to it, as a student's desktop
says which language it speaks, and every name is looked for as the catalogue the build
compiled for that language translates it (--catalogue, the .mo file).

  atspi_test.py --quorvel Q --replay R --out DIR [--language ja --catalogue ja.mo]

Exit status: 0 passed, 1 failed. Missing packages fail: scripts/setup.sh installs them.
"""

import argparse
import gettext
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile

# The package of the desktop's drivers sits beside this one; the one shared with the web's
# drivers (quorvel_drive) comes from tests/drive through PYTHONPATH, as ctest runs it. No
# bytecode is left in the source tree.
sys.dont_write_bytecode = True

from quorvel_drive import processes  # noqa: E402
from quorvel_drive.failure import Failure  # noqa: E402
from quorvel_drive.replay import run_replay  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402
from quorvel_drive.xvfb import x_client_env, x_server  # noqa: E402
from quorvel_e2e.accessibility import SYSTEM_PYTHON, PrivateBus, Reader, poll  # noqa: E402

# What the test does, as the replay's handler names, and what it reads after each step.
STEPS = [
    ("CALC", "Command3_Click"),
    ("n up", "Spin_n_SpinUp"),
    ("CALC again", "Command3_Click"),
    ("ANS", "Command4_Click"),
]

# The bounds and step each spin button's Value interface reports.
SPIN_BOUNDS = {
    "level": (1, 4, 1),
    "n": (0, 4, 1),
    "k": (10, 50, 10),
    "a0": (-10, 10, 1),
    "a1": (0, 10, 1),
    "a4": (0, 10, 1),
    "b1": (0, 10, 1),
    "b4": (0, 10, 1),
}


def read_until(reader, label, expected, what):
    poll(f"{what}: {label.name!r} to read {expected!r}",
         lambda: True if reader.text(label) == expected else None)
    print(f"  {what}: {label.name!r} reads {expected!r}")


def announced(reader, kind, source, text, what):
    """Waits for an event of that kind from the named object; for a text change, one that
    carries the given text. (A value change carries no number: the reader asks for it.)"""
    def heard():
        for event_type, event_source, data in reader.heard:
            if event_type == kind and event_source == source and (text is None or data == text):
                return True
        return None
    poll(f"{what}: a {kind} event from {source!r}" + (f" with {text!r}" if text else "")
         + f" (heard {reader.heard[-6:]})", heard)
    print(f"  {what}: {source!r} announced {kind}" + (f" {text!r}" if text else ""))


def run(args):
    for tool in ("Xvfb", "dbus-daemon"):
        if shutil.which(tool) is None:
            raise Failure(f"{tool} is missing (scripts/setup.sh installs xvfb and dbus)")
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        raise Failure("at-spi2-core is missing (scripts/setup.sh installs it)")
    if importlib.util.find_spec("pyatspi") is None:
        raise Failure("python3-pyatspi is missing (scripts/setup.sh installs it)")

    states = run_replay(args.replay, [handler for _, handler in STEPS])
    with tempfile.TemporaryDirectory(prefix="quorvel-atspi-") as work:
        expected = dict(zip([step for step, _ in STEPS], states[1:]))
        runtime = os.path.join(work, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)

        with x_server(os.path.join(work, "xvfb.log")) as display:
            env = dict(x_client_env(display, runtime), HOME=work,
                       XDG_CONFIG_HOME=os.path.join(work, ".config"))
            bus = PrivateBus(env)
            app = None
            try:
                # The reader is told the private bus before it connects; it registers
                # for the events before the program starts, so that the program knows
                # from its first moment that they are listened for.
                os.environ.update(DBUS_SESSION_BUS_ADDRESS=bus.address, DISPLAY=display,
                                  XDG_RUNTIME_DIR=runtime)
                reader = Reader()
                with open(os.path.join(work, "quorvel.log"), "w") as log:
                    app = subprocess.Popen(
                        [args.quorvel], stdout=log, stderr=subprocess.STDOUT,
                        env=dict(env, DBUS_SESSION_BUS_ADDRESS=bus.address,
                                 QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                 LANGUAGE=args.language))
                check_window(reader, reader.application("quorvel"), expected,
                             translator(args))
                if app.poll() is not None:
                    raise Failure(f"quorvel ended with status {app.returncode}")
            finally:
                if app is not None:
                    processes.stop(app, timeout=10)
                bus.close()
                if os.path.exists(os.path.join(work, "quorvel.log")):
                    os.makedirs(args.out, exist_ok=True)
                    shutil.copy(os.path.join(work, "quorvel.log"), args.out)


def translator(args):
    """The names as the program speaks them in args.language: English as they are, another
    language through its compiled catalogue, which must translate the names looked for
    (else the run would prove nothing of that language)."""
    if args.catalogue is None:
        if args.language != "en":
            raise Failure(f"--language {args.language} needs its --catalogue")
        return lambda text: text
    with open(args.catalogue, "rb") as mo:
        tr = gettext.GNUTranslations(mo).gettext
    if tr("level") == "level" or tr("n value") == "n value":
        raise Failure(f"{args.catalogue} does not translate the spin buttons' names")
    return tr


def check_window(reader, app, expected, tr):
    # The window's caption is the exercise's own, the same in every language.
    window = reader.find(app, "filler", "Fourier Series")
    print(f"  found the window {window.name!r} of {app.name!r}")

    for name, (low, high, step) in SPIN_BOUNDS.items():
        value = reader.find(window, "spin button", tr(name)).queryValue()
        got = (value.minimumValue, value.maximumValue, value.minimumIncrement)
        if got != (low, high, step):
            raise Failure(f"spin button {name!r} has bounds and step {got}, "
                          f"not {(low, high, step)}")
    print(f"  spin buttons report their bounds: {SPIN_BOUNDS}")

    mean = reader.find(window, "label", tr("S/T"))
    n_value = reader.find(window, "label", tr("n value"))
    n_spin = reader.find(window, "spin button", tr("n"))

    reader.act(reader.find(window, "push button", tr("CALC")), "Press")
    read_until(reader, mean, expected["CALC"]["value_s"], "after CALC")
    announced(reader, "object:text-changed:insert", tr("S/T"), expected["CALC"]["value_s"],
              "CALC")

    reader.act(n_spin, "Increase")
    read_until(reader, n_value, expected["n up"]["value_n"], "after Increase on n")
    read_until(reader, mean, "", "after Increase on n")
    announced(reader, "object:text-changed:insert", tr("n value"),
              expected["n up"]["value_n"], "n up")
    announced(reader, "object:property-change:accessible-value", tr("n"), None, "n up")
    current = n_spin.queryValue().currentValue
    if current != float(expected["n up"]["value_n"]):
        raise Failure(f"spin button 'n' holds {current}, its readout "
                      f"{expected['n up']['value_n']!r}")

    reader.act(reader.find(window, "push button", tr("CALC")), "Press")
    read_until(reader, mean, expected["CALC again"]["value_s"], "after CALC at n = 1")

    reader.act(reader.find(window, "push button", tr("ANS")), "Press")
    shown = expected["ANS"]
    for i, name in ((0, "a0 answer"), (1, "a1 answer"), (1, "b1 answer"), (4, "b4 answer")):
        answer = reader.find(window, "label", tr(name))
        column = "ans_b" if name.startswith("b") else "ans_a"
        read_until(reader, answer, shown[column][i], "after ANS")
        poll(f"{name!r} to be showing", lambda: True if reader.showing(answer) else None)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--quorvel", required=True)
    parser.add_argument("--replay", required=True)
    parser.add_argument("--out", required=True, help="where the program's log is kept")
    parser.add_argument("--language", default="en", help="the LANGUAGE the program is given")
    parser.add_argument("--catalogue", help="the build's compiled catalogue of that language")
    args = parser.parse_args()

    if importlib.util.find_spec("pyatspi") is None and os.path.exists(SYSTEM_PYTHON) and \
            os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON):
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, *sys.argv])
    print(f"atspi: the window through the accessibility bus, in {args.language}")
    return run_and_report(lambda: run(args))


if __name__ == "__main__":
    sys.exit(main())
