"""The real program on Wayland: Debian's weston, headless with its pixman renderer, on a
private socket; the program opened with Qt's Wayland platform; the screen taken with
weston's screenshooter, the window found in it and compared, plot by plot, with the
replay's snapshot of the same start-up. A headless weston has no pointer or keyboard to
drive, so the controls are then worked through the accessibility bus, as a screen reader
works them, and the window is compared with the replay after every step."""

import contextlib
import glob
import importlib.util
import os
import shutil
import socket
import subprocess
import tempfile
import time

from quorvel_drive import processes
from quorvel_drive.failure import Failure
from quorvel_drive.images import differing_pixels, keep, read_png
from quorvel_drive.replay import replay_checkpoints

from .accessibility import PrivateBus, Reader
from .layout import read_layout

SCREEN = (1280, 1024)
DEADLINE = 30.0  # seconds for the compositor, the window or what a step draws

# The steps, as the accessibility bus names the control and its action, and as the
# replay's handler names: a trial, the product at n = 1 in sine mode with its rectangles,
# and the answers.
STEPS = [
    ("spin button", "a0", "Increase", "Spin_a0_SpinUp"),
    ("spin button", "a0", "Increase", "Spin_a0_SpinUp"),
    ("spin button", "n", "Increase", "Spin_n_SpinUp"),
    ("push button", "CALC", "Press", "Command3_Click"),
    ("radio button", "sin", "Toggle", "switch_s_Click"),
    ("push button", "CALC", "Press", "Command3_Click"),
    ("spin button", "b1", "Increase", "Spin_b1_SpinUp"),
    ("push button", "ANS", "Press", "Command4_Click"),
]


def client_env(runtime, socket_name):
    """The environment of a Wayland client of the private compositor, and of nothing else:
    no X display, no scale, no other session."""
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=socket_name)
    for name in ("DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                 "QT_AUTO_SCREEN_SCALE_FACTOR", "XDG_SESSION_TYPE", "DBUS_SESSION_BUS_ADDRESS"):
        env.pop(name, None)
    return env


def answers(path):
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as probe:
        try:
            probe.connect(path)
            return True
        except OSError:
            return False


@contextlib.contextmanager
def compositor(work):
    """A headless weston on a socket of its own in a private XDG_RUNTIME_DIR; yields the
    environment of its clients. --debug lets the screenshooter take the screen."""
    runtime = os.path.join(work, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    name = f"quorvel-e2e-{os.getpid()}"
    env = client_env(runtime, name)
    log_path = os.path.join(work, "weston.log")
    server = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--use-pixman", f"--socket={name}",
         f"--width={SCREEN[0]}", f"--height={SCREEN[1]}", "--no-config", "--idle-time=0",
         "--debug", f"--log={log_path}"],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT, start_new_session=True)
    try:
        deadline = time.monotonic() + DEADLINE
        while not answers(os.path.join(runtime, name)):
            if server.poll() is not None or time.monotonic() > deadline:
                with open(log_path) as log:
                    raise Failure(f"weston did not start:\n{log.read()}")
            time.sleep(0.05)
        yield env
    finally:
        # Its own clients (the shell, the keyboard) end with it.
        processes.stop(server, timeout=10)


def screenshot(env, work):
    """The whole screen, as weston's screenshooter writes it into its working folder."""
    folder = tempfile.mkdtemp(dir=work)
    try:
        done = subprocess.run(["weston-screenshooter"], cwd=folder, env=env,
                              capture_output=True, text=True, timeout=60)
        shots = glob.glob(os.path.join(folder, "*.png"))
        if done.returncode != 0 or len(shots) != 1:
            raise Failure(f"weston-screenshooter failed ({done.returncode}): "
                          f"{done.stderr.strip()}")
        return read_png(shots[0])
    finally:
        shutil.rmtree(folder)


def find_window(screen, expected):
    """Where the expected client area's top-left corner lies on the screen, found by any
    of a few of its rows (so that a wrong plot does not hide the window); None if absent."""
    row_bytes = expected.width * 3
    stride = screen.width * 3
    for row in (0, expected.height // 3, expected.height // 2, (2 * expected.height) // 3):
        pattern = expected.rgb[row * row_bytes:(row + 1) * row_bytes]
        for y in range(row, screen.height - expected.height + row + 1):
            start = y * stride
            at = screen.rgb.find(pattern, start, start + stride)
            while at >= 0 and (at - start) % 3:
                at = screen.rgb.find(pattern, at + 1, start + stride)
            if at >= 0:
                return (at - start) // 3, y - row
    return None


def shows(env, expected, layout, label, out_dir):
    """Waits until the screen shows the window equal to the expected client area; on
    time-out keeps the images and fails naming the plots that differ."""
    deadline = time.monotonic() + DEADLINE
    while True:
        screen = screenshot(env, os.path.dirname(out_dir))
        at = find_window(screen, expected)
        real = screen.crop(*at, expected.width, expected.height) if at else None
        if real is not None and real.rgb == expected.rgb:
            print(f"  {label}: the window at {at} equals the replay, every plot and control")
            return
        if time.monotonic() > deadline:
            break
        time.sleep(0.1)
    stem = os.path.join(out_dir, label.replace(" ", "_"))
    if real is None:
        kept = keep(stem, screen=screen, replay=expected)
        raise Failure(f"{label}: the window is not on the screen; images in {kept}")
    kept = keep(stem, screen=screen, replay=expected, real=real)
    diff = differing_pixels(real, expected)
    plots = sorted({c.name for c in layout.values() if c.kind == "picture" and c.shown
                    for p in diff if c.contains(*p)})
    raise Failure(f"{label}: {len(diff)} pixels differ from the replay; plots that differ: "
                  f"{', '.join(plots) or 'none'}; images in {kept}")


def wayland(args):
    missing = [t for t in ("weston", "weston-screenshooter", "dbus-daemon")
               if shutil.which(t) is None]
    plugins = glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so")
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("python3-pyatspi")
    if not plugins:
        missing.append("qt6-wayland")
    if missing:
        raise Failure(f"missing: {', '.join(missing)} (scripts/setup.sh installs weston, dbus, "
                      "python3-pyatspi and qt6-wayland)")
    out_dir = os.path.join(args.out, "wayland")
    os.makedirs(out_dir, exist_ok=True)
    layout = read_layout(args.layout)
    _, expected, _ = replay_checkpoints(args.replay, [[]] + [[step[3]] for step in STEPS])
    with tempfile.TemporaryDirectory(prefix="quorvel-e2e-") as work:
        with compositor(work) as env:
            print(f"wayland: weston headless, pixman, {SCREEN[0]}x{SCREEN[1]}, socket "
                  f"{env['WAYLAND_DISPLAY']}")
            bus = PrivateBus(env)
            log_path = os.path.join(work, "quorvel.log")
            app = None
            try:
                # The reader joins the private bus before the program starts.
                os.environ.update(DBUS_SESSION_BUS_ADDRESS=bus.address,
                                  XDG_RUNTIME_DIR=env["XDG_RUNTIME_DIR"])
                os.environ.pop("DISPLAY", None)
                reader = Reader()
                with open(log_path, "w") as log:
                    app = subprocess.Popen(
                        [args.quorvel], stdout=log, stderr=subprocess.STDOUT,
                        env=dict(env, QT_QPA_PLATFORM="wayland",
                                 DBUS_SESSION_BUS_ADDRESS=bus.address,
                                 QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
                shows(env, expected[0], layout, "start-up", out_dir)
                window = reader.find(reader.application("quorvel"), "filler", "Fourier Series")
                # Each step is compared before the next is taken, so that none is lost to
                # a button still showing the press before.
                for (role, name, action, handler), want in zip(STEPS, expected[1:]):
                    reader.act(reader.find(window, role, name), action)
                    shows(env, want, layout, f"{action} {name} ({handler})", out_dir)
                if app.poll() is not None:
                    raise Failure(f"quorvel ended with status {app.returncode}")
            finally:
                if app is not None:
                    processes.stop(app, timeout=10)
                bus.close()
                if os.path.exists(log_path):
                    shutil.copy(log_path, out_dir)
            # Qt says so when the program asks the compositor for something it cannot do
            # there (placing or activating a window): nothing of that kind may be printed.
            with open(log_path) as log:
                said = log.read().strip()
            if said:
                raise Failure(f"quorvel printed on Wayland:\n{said}")
            print("  nothing printed: no X11 path taken, nothing Wayland refuses asked for")
