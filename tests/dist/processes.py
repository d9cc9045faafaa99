"""Waiting on and ending the programs the display tests start (X servers, compositors, the game)."""

import subprocess
import time


def wait_for(condition, seconds):
    """The first true value of condition() within the time, else its last value."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return condition()


def stop(process):
    """Ends the process politely, then firmly when it does not go within ten seconds."""
    if process and process.poll() is None:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
