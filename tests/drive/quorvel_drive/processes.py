"""Ending the helper programs a test starts (browsers, web servers, compositors)."""

import subprocess


def stop(process, timeout=15):
    """Asks a process to end, and kills it if it has not ended within timeout seconds."""
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
