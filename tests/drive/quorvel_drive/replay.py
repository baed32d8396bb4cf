"""quorvel-replay, the reference every driver compares with: handler names in (and
'snap FILE' or 'palette NAME' lines), the window's state as one JSON line after start-up
and after every event out, and snapshots of the window's client area as images."""

import json
import os
import subprocess
import tempfile

from .failure import Failure
from .images import read_png


def run_replay(replay, lines):
    """The states after Form_Load and after every event of the lines; a runtime fault in
    any of them fails, as the program must raise none."""
    with tempfile.TemporaryDirectory(prefix="quorvel-replay-") as runtime:
        os.chmod(runtime, 0o700)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime)
        done = subprocess.run([replay], input="\n".join(lines) + "\n", env=env,
                              capture_output=True, text=True, timeout=300)
    if done.returncode != 0:
        raise Failure(f"quorvel-replay failed ({done.returncode}): {done.stderr.strip()}")
    states = [json.loads(line) for line in done.stdout.splitlines()]
    faults = [st for st in states if "fault" in st]
    if faults:
        raise Failure(f"the replay reports a runtime fault: {faults[0]['event']}: "
                      f"{faults[0]['fault']}")
    return states


def replay_checkpoints(replay, checkpoints):
    """checkpoints: lists of replay lines; the window is snapped after each. Returns the
    state at the end of each checkpoint and its snapshot, and every state."""
    with tempfile.TemporaryDirectory(prefix="quorvel-replay-snaps-") as work:
        lines, snaps, ends = [], [], []
        for i, part in enumerate(checkpoints):
            lines += part
            snaps.append(os.path.join(work, f"snap{i}.png"))
            lines.append(f"snap {snaps[-1]}")
            # Form_Load's state comes first; every line but a snap or palette line adds one.
            ends.append(sum(1 for line in lines if not line.startswith(("snap ", "palette "))))
        states = run_replay(replay, lines)
        return [states[end] for end in ends], [read_png(p) for p in snaps], states


def raisable_events(replay):
    """Every handler name `replay --handlers` prints from the program's event table, but
    the start-up's Form_Load: drivers draw their events from here, not from a list of their
    own."""
    done = subprocess.run([replay, "--handlers"], capture_output=True, text=True,
                          check=True, timeout=60)
    return [name for name in done.stdout.split() if name != "Form_Load"]


def control_and_arrow(event):
    """The control that raises an event and its arrow: True for up, False for down, None
    for a plain click."""
    for suffix, up in (("_SpinUp", True), ("_SpinDown", False), ("_Click", None)):
        if event.endswith(suffix):
            return event[:-len(suffix)], up
    raise ValueError(f"no click raises {event}")
