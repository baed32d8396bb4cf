"""A control of the window where a test sees it: its rectangle in the client area, in
pixels of the window at 100 %."""

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

    @property
    def box(self):
        return self.x, self.y, self.w, self.h

    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2

    def arrow(self, up):
        """The middle of the upper or the lower quarter of a spin button."""
        return self.x + self.w // 2, self.y + (self.h // 4 if up else (3 * self.h) // 4)

    def contains(self, px, py):
        return self.x <= px < self.x + self.w and self.y <= py < self.y + self.h
