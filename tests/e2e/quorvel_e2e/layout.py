"""The layout, as quorvel-e2e-layout reads it from the table the window is built from."""

import subprocess
from dataclasses import dataclass


@dataclass
class Control:
    name: str
    kind: str
    shown: bool
    x: int
    y: int
    w: int
    h: int

    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2

    def arrow(self, up):
        """The middle of the upper or the lower quarter of a spin button."""
        return self.x + self.w // 2, self.y + (self.h // 4 if up else (3 * self.h) // 4)

    def contains(self, px, py):
        return self.x <= px < self.x + self.w and self.y <= py < self.y + self.h


def read_layout(helper):
    out = subprocess.run([helper], capture_output=True, text=True, check=True).stdout
    controls = {}
    for line in out.splitlines():
        name, kind, shown, x, y, w, h = line.split()
        controls[name] = Control(name, kind, shown == "1", int(x), int(y), int(w), int(h))
    return controls
