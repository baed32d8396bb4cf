"""The events a user can raise, as quorvel-replay lists them from the program's event
table: test drivers draw their events from here instead of keeping a list of their own."""

import subprocess


def raisable_events(replay):
    """Every handler name `replay --handlers` prints, but the start-up's Form_Load."""
    done = subprocess.run([replay, "--handlers"], capture_output=True, text=True,
                          check=True, timeout=60)
    return [name for name in done.stdout.split() if name != "Form_Load"]


def control_and_arrow(event):
    """The control that raises an event and its arrow: True for up, False for down, None
    for a plain click."""
    for suffix, up in (("_SpinUp", True), ("_SpinDown", False), ("_Click", None)):
        if event.endswith(suffix):
            return event[:-len(suffix)], up
    raise ValueError(f"no click raises {event}")
