"""The layout, as quorvel-e2e-layout reads it from the table the window is built from."""

import subprocess

from quorvel_drive.controls import Control


def read_layout(helper):
    out = subprocess.run([helper], capture_output=True, text=True, check=True).stdout
    controls = {}
    for line in out.splitlines():
        name, kind, shown, x, y, w, h = line.split()
        controls[name] = Control(name, kind, shown == "1", int(x), int(y), int(w), int(h))
    return controls
