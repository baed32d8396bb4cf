"""quorvel-replay, the desktop's scenario tool: handler names in, the window's state as
JSON lines out, and snapshots of the window's client area as images."""

import json
import os
import subprocess
import tempfile
from dataclasses import dataclass


@dataclass
class Image:
    width: int
    height: int
    rgb: bytes  # three bytes per pixel, row by row

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return self.rgb[i:i + 3]


def read_png(path):
    """Any image file as RGB, through ImageMagick's convert."""
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True,
                          check=True).stdout
    return parse_ppm(data)


def parse_ppm(data):
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError(f"unexpected image header {fields!r}")
    width, height = int(fields[1]), int(fields[2])
    return Image(width, height, data[pos + 1:pos + 1 + width * height * 3])


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
