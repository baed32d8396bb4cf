"""The one way a driver ends: PASS, FAIL or SKIP on its last line and the exit status
ctest reads (0, 1 or 77)."""

import subprocess
import time

from .failure import SKIP, Failure, Skipped


def run_and_report(body, failures=()):
    """Runs body() and reports it. A Failure, a helper program that failed or timed out,
    and the exceptions in `failures` (a shell's protocol errors) fail the test with their
    message; anything else escapes with its traceback, which then says more."""
    started = time.monotonic()
    try:
        body()
    except Skipped as e:
        print(f"SKIP: {e}")
        return SKIP
    except (Failure, subprocess.CalledProcessError, subprocess.TimeoutExpired, TimeoutError,
            *failures) as e:
        print(f"FAIL: {e}")
        return 1
    print(f"PASS ({time.monotonic() - started:.1f} s)")
    return 0
