"""A private X server and the environment of the clients that use it."""

import contextlib
import os
import select
import subprocess

from quorvel_drive import processes
from quorvel_drive.failure import Failure

SCREEN = "1280x1024x24"


def x_client_env(display, runtime_dir):
    env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=runtime_dir)
    for name in ("QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                 "QT_AUTO_SCREEN_SCALE_FACTOR", "WAYLAND_DISPLAY"):
        env.pop(name, None)
    return env


@contextlib.contextmanager
def x_server(log_path, screen=SCREEN):
    """A private Xvfb on a display number it picks itself; yields ':N'."""
    read_end, write_end = os.pipe()
    with open(log_path, "w") as log:
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp",
             "-dpi", "96"],
            pass_fds=(write_end,), stdout=log, stderr=subprocess.STDOUT)
    os.close(write_end)
    try:
        number = b""
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], 20)
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                raise Failure(f"Xvfb did not start; see {log_path}")
            number += chunk
        yield ":" + number.decode().strip()
    finally:
        os.close(read_end)
        processes.stop(server, timeout=10)
