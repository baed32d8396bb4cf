"""The accessibility bus as a screen reader uses it: a private D-Bus session, and the
client side that reads the program's accessible tree and works its controls. pyatspi is
imported only when a Reader is made (Debian's python3-pyatspi serves /usr/bin/python3)."""

import os
import signal
import subprocess
import time

from quorvel_drive.failure import Failure

DEADLINE = 20.0  # seconds for anything the window or the bus is waited for
SYSTEM_PYTHON = "/usr/bin/python3"  # the Python that Debian's python3-pyatspi serves


def poll(what, check):
    """Runs check (which also lets the AT-SPI events in) until it returns something
    other than None, or fails after DEADLINE naming what was awaited."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    deadline = time.monotonic() + DEADLINE
    last = None
    while True:
        while context.iteration(False):
            pass
        try:
            result = check()
        except Exception as e:  # a window still being built answers with D-Bus errors
            result, last = None, e
        if result is not None:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"gave up waiting for {what}" + (f" ({last})" if last else ""))
        time.sleep(0.05)


class PrivateBus:
    """A D-Bus session of the test's own; the accessibility bus and registry that it
    starts on demand live in its process group and end with it."""

    def __init__(self, env):
        read_end, write_end = os.pipe()
        self.daemon = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile",
             f"--print-address={write_end}"],
            pass_fds=(write_end,), env=env, start_new_session=True,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        address = b""
        deadline = time.monotonic() + DEADLINE
        while not address.endswith(b"\n"):
            chunk = os.read(read_end, 256)
            if not chunk or time.monotonic() > deadline:
                os.close(read_end)
                self.close()
                raise Failure("dbus-daemon did not start")
            address += chunk
        os.close(read_end)
        self.address = address.decode().strip()

    def close(self):
        try:
            os.killpg(self.daemon.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        self.daemon.wait(timeout=10)


class Reader:
    """The client side: the program's accessible tree, and the events it announced."""

    def __init__(self):
        import pyatspi
        self.pyatspi = pyatspi
        self.heard = []
        for kind in ("object:text-changed", "object:property-change:accessible-value"):
            pyatspi.Registry.registerEventListener(self.listen, kind)

    def listen(self, event):
        try:
            source = event.source.name
        except Exception:
            source = None
        self.heard.append((event.type, source, event.any_data))

    def application(self, name):
        def found():
            for app in self.pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == name and app.childCount > 0:
                    return app
            return None
        return poll(f"the application {name!r} on the accessibility bus", found)

    def find(self, root, role, name):
        def search(node):
            if node is None:
                return None
            if node.getRoleName() == role and node.name == name:
                return node
            for child in node:
                hit = search(child)
                if hit is not None:
                    return hit
            return None
        return poll(f"a {role} named {name!r}", lambda: search(root))

    def act(self, node, action):
        actions = node.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        if action not in names:
            raise Failure(f"{node.name!r} offers {names}, not {action!r}")
        actions.doAction(names.index(action))

    @staticmethod
    def text(node):
        return node.queryText().getText(0, -1)

    def showing(self, node):
        return node.getState().contains(self.pyatspi.STATE_SHOWING)
