"""quorvel-replay, the desktop's scenario tool: handler names in, the window's state as
JSON lines out, and snapshots of the window's client area as images."""

import json
import os
import pathlib
import subprocess
import sys
import tempfile

# The desktop's end-to-end package reads images the same way.
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "e2e"))
from quorvel_e2e.images import Image, parse_ppm, read_png  # noqa: E402,F401
from quorvel_e2e.handlers import control_and_arrow, raisable_events  # noqa: E402,F401


def write_png(image, path):
    header = f"P6\n{image.width} {image.height}\n255\n".encode()
    subprocess.run(["convert", "ppm:-", path], input=header + image.rgb, check=True)


def run(replay, lines):
    """Runs the lines (handler names and 'snap FILE' lines) through the replay; returns the
    state after Form_Load and after every event."""
    done = subprocess.run([replay], input="\n".join(lines) + "\n", capture_output=True,
                          text=True, timeout=300,
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    if done.returncode != 0:
        raise RuntimeError(f"quorvel-replay failed ({done.returncode}): {done.stderr.strip()}")
    return [json.loads(line) for line in done.stdout.splitlines()]


def states_and_snaps(replay, checkpoints):
    """checkpoints: a list of event lists; the window is snapped after each. Returns the
    states (one list per checkpoint, the last state of each) and the snapshots."""
    with tempfile.TemporaryDirectory(prefix="quorvel-web-replay-") as work:
        lines, snaps = [], []
        for i, events in enumerate(checkpoints):
            lines += events
            snaps.append(os.path.join(work, f"snap{i}.png"))
            lines.append(f"snap {snaps[-1]}")
        states = run(replay, lines)
        ends, at = [], 0
        for events in checkpoints:
            at += len(events)
            ends.append(states[at])
        return ends, [read_png(p) for p in snaps]
