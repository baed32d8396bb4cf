"""The real program on its X server, and what a test knows of its window."""

import os
import subprocess
import time

from quorvel_drive import processes
from quorvel_drive.controls import Control
from quorvel_drive.failure import Failure
from quorvel_drive.images import parse_ppm

from .layout import read_layout
from .xvfb import x_client_env

TITLE = "Fourier Series"
# How long the window may take to react to a key or a click (it is polled, not timed).
REACT_TIMEOUT = 15.0


class Session:
    """The real program on its X server, and what the test knows of its window."""

    def __init__(self, args, display, workdir, desktop=None, arguments=()):
        self.args = args
        self.layout = read_layout(args.layout)
        runtime = os.path.join(workdir, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        self.env = x_client_env(display, runtime)
        if desktop:
            self.env.update(desktop)
        self.log = open(os.path.join(workdir, "quorvel.log"), "w")
        self.app = subprocess.Popen([args.quorvel, *arguments], env=self.env, stdout=self.log,
                                    stderr=subprocess.STDOUT)
        self.focus = None  # the control that last took the keyboard focus
        try:
            found = self.xdo("search", "--sync", "--onlyvisible", "--name", f"^{TITLE}$",
                             timeout=30).split()
            if len(found) != 1:
                raise Failure(f"expected one window named {TITLE!r}, found {found}")
            self.window = found[0]
            self.origin = self.geometry()[:2]
        except BaseException:
            self.close()
            raise

    def close(self):
        processes.stop(self.app, timeout=10)
        self.log.close()

    def xdo(self, *command, timeout=60):
        done = subprocess.run(["xdotool", *command], env=self.env, capture_output=True,
                              text=True, timeout=timeout)
        if done.returncode != 0:
            raise Failure(f"xdotool {' '.join(command)} failed: {done.stderr.strip()}")
        return done.stdout

    def focused_window(self):
        """The window that holds the keyboard's focus, or None where none does yet (X's
        PointerRoot, which xdotool refuses to name, until a window is given the focus)."""
        done = subprocess.run(["xdotool", "getwindowfocus"], env=self.env, capture_output=True,
                              text=True, timeout=60)
        return done.stdout.strip() if done.returncode == 0 else None

    def alive(self):
        if self.app.poll() is not None:
            raise Failure(f"quorvel ended with status {self.app.returncode}")

    def click_args(self, point):
        return ["mousemove", "--window", self.window, str(point[0]), str(point[1]),
                "click", "--delay", "0", "1"]

    def press_args(self, name, up=None, times=1):
        """xdotool's words for `times` left clicks on a control's middle (up None) or on
        one of its arrows; the control takes the keyboard focus."""
        self.focus = name
        c = self.layout[name]
        return self.click_args(c.centre() if up is None else c.arrow(up)) * times

    def press(self, name, up=None, times=1):
        """The clicks of a step, the pointer then moved off the window."""
        self.xdo(*self.press_args(name, up, times), "mousemove", "0", "0")

    def windows(self):
        """The program's visible top-level windows, its menus and dialogs included."""
        done = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                               str(self.app.pid)], env=self.env, capture_output=True,
                              text=True, timeout=60)
        return done.stdout.split()

    def wait_for(self, condition, what):
        deadline = time.monotonic() + REACT_TIMEOUT
        while not condition():
            self.alive()
            if time.monotonic() > deadline:
                raise Failure(what)
            time.sleep(0.05)

    def geometry(self):
        """The window's client area on the screen: x, y, width, height."""
        fields = dict(line.split("=") for line in
                      self.xdo("getwindowgeometry", "--shell", self.window).split())
        return tuple(int(fields[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def client_size(self):
        return self.geometry()[2:]

    def scale_layout(self, factor):
        """Where the controls lie in a window zoomed by a whole factor."""
        self.layout = {n: Control(c.name, c.kind, c.shown, c.x * factor, c.y * factor,
                                  c.w * factor, c.h * factor)
                       for n, c in self.layout.items()}

    def screenshot(self):
        data = subprocess.run(["import", "-window", self.window, "-depth", "8", "ppm:-"],
                              env=self.env, capture_output=True, check=True).stdout
        return parse_ppm(data)
