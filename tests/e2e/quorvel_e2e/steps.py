"""What a test does to the real window through xdotool, beyond the clicks and checks of
quorvel_drive.steps, and the handlers the same thing raises."""

import subprocess
import time

from quorvel_drive import processes
from quorvel_drive.failure import Failure
from quorvel_drive.steps import Click, Spin

# How long the window may take to show what the replay shows (it is polled, not timed).
SETTLE_TIMEOUT = 15.0


class Hold:
    """The mouse held down on an arrow. With slide_off the pointer leaves for the other
    arrow at once and is released there, so only the first press may count."""

    def __init__(self, name, up, seconds, presses, slide_off=False):
        self.spin = Spin(name, up, presses)
        self.seconds, self.slide_off = seconds, slide_off

    def handlers(self):
        return self.spin.handlers()

    def perform(self, s):
        s.focus = self.spin.name
        spin = s.layout[self.spin.name]
        x, y = spin.arrow(self.spin.up)
        args = ["mousemove", "--window", s.window, str(x), str(y), "mousedown", "1"]
        if self.slide_off:
            x, y = spin.arrow(not self.spin.up)
            args += ["mousemove", "--window", s.window, str(x), str(y)]
        s.xdo(*args, "sleep", str(self.seconds), "mouseup", "1", "mousemove", "0", "0")


class Through(Click):
    """A button clicked where a blank label lies over it: the label must not take it."""

    def __init__(self, name, label):
        super().__init__(name)
        self.label = label

    def perform(self, s):
        s.focus = self.name
        a, b = s.layout[self.name], s.layout[self.label]
        left, top = max(a.x, b.x), max(a.y, b.y)
        right, bottom = min(a.x + a.w, b.x + b.w), min(a.y + a.h, b.y + b.h)
        if left >= right or top >= bottom:
            raise Failure(f"{self.label} does not lie over {self.name}")
        s.xdo(*s.click_args(((left + right) // 2, (top + bottom) // 2)), "mousemove", "0", "0")


class Stray:
    """A click that must raise nothing: with the middle or right mouse button on a
    button's arrow or face, or with any button on a plot or label."""

    def __init__(self, name, button=1, up=None):
        self.name, self.button, self.up = name, button, up

    def handlers(self):
        return []

    def perform(self, s):
        s.xdo(*self.xdo_args(s), "mousemove", "0", "0")

    def xdo_args(self, s):
        s.focus = self.name
        c = s.layout[self.name]
        x, y = c.centre() if self.up is None else c.arrow(self.up)
        return ["mousemove", "--window", s.window, str(x), str(y),
                "click", "--delay", "0", str(self.button)]


class Menu(Stray):
    """A right click: it works no control but opens the window's menu, which Escape
    closes again."""

    def __init__(self, name, up=None):
        super().__init__(name, 3, up)

    def perform(self, s):
        before = len(s.windows())
        s.xdo(*self.xdo_args(s))
        s.wait_for(lambda: len(s.windows()) > before, f"no menu opened on {self.name}")
        s.xdo("key", "Escape")
        s.wait_for(lambda: len(s.windows()) == before, f"the menu on {self.name} stayed open")


class Keys:
    """Keys typed to whatever holds the focus; the scenario names the handlers they raise
    and the control that holds the focus afterwards."""

    def __init__(self, keys, raises, focus=None):
        self.keys, self.raises, self.new_focus = keys, raises, focus

    def handlers(self):
        return list(self.raises)

    def perform(self, s):
        if s.focused_window() != s.window:
            s.xdo("windowfocus", "--sync", s.window)
        s.xdo("key", "--delay", "20", *self.keys)
        if self.new_focus:
            s.focus = self.new_focus


class Covered:
    """Another X client's window over the given controls while the steps inside run."""

    def __init__(self, over, steps):
        self.over, self.steps = over, steps

    def handlers(self):
        return [h for step in self.steps for h in step.handlers()]

    def perform(self, s):
        rects = [s.layout[name] for name in self.over]
        left = min(c.x for c in rects) - 4
        top = min(c.y for c in rects) - 4
        right = max(c.x + c.w for c in rects) + 4
        bottom = max(c.y + c.h for c in rects) + 4
        geometry = f"{right - left}x{bottom - top}+{s.origin[0] + left}+{s.origin[1] + top}"
        before = s.screenshot()
        cover = subprocess.Popen(["xmessage", "-geometry", geometry, "-title", "e2e-cover",
                                  "covering the plots"], env=s.env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            s.xdo("search", "--sync", "--onlyvisible", "--name", "^e2e-cover$", timeout=30)
            # Nothing is learnt unless the plots really are hidden.
            deadline = time.monotonic() + SETTLE_TIMEOUT
            while all(s.screenshot().crop(*c.box) == before.crop(*c.box) for c in rects):
                if time.monotonic() > deadline:
                    raise Failure(f"the covering window never hid {', '.join(self.over)}")
                time.sleep(0.05)
            for step in self.steps:
                step.perform(s)
        finally:
            processes.stop(cover, timeout=10)


class Unmapped:
    """The program's own window unmapped and mapped again."""

    def handlers(self):
        return []

    def perform(self, s):
        s.xdo("windowunmap", "--sync", s.window)
        s.xdo("windowmap", "--sync", s.window)


class Batch:
    """Many clicks in one xdotool run, as fast as the X server takes them."""

    def __init__(self, steps):
        self.steps = steps

    def handlers(self):
        return [h for step in self.steps for h in step.handlers()]

    def perform(self, s):
        args = []
        for step in self.steps:
            args += s.press_args(step.name, step.up, step.times)
        s.xdo(*args, "mousemove", "0", "0")
