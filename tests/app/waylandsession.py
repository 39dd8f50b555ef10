#!/usr/bin/python3
"""The program's windows under a headless Weston, on Qt's Wayland platform.

Starts Weston with a socket of its own in a private runtime folder, runs the given Qt Test
program there and passes on its result; Weston is stopped whatever happens.
Usage: waylandsession.py <tst_waylandsession executable>
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

# Guards against a hang only; every wait ends as soon as its condition holds.
WAIT_LIMIT = 60.0
POLL_INTERVAL = 0.05


def start_weston(runtime_folder, socket):
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--use-pixman", f"--socket={socket}",
         "--no-config", "--idle-time=0"],
        env=dict(os.environ, XDG_RUNTIME_DIR=runtime_folder),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + WAIT_LIMIT
    while not os.path.exists(os.path.join(runtime_folder, socket + ".lock")) \
            or not os.path.exists(os.path.join(runtime_folder, socket)):
        if weston.poll() is not None or time.monotonic() > deadline:
            weston.kill()
            raise AssertionError("Weston did not start")
        time.sleep(POLL_INTERVAL)
    return weston


def main():
    test_program = sys.argv[1]
    runtime_folder = tempfile.mkdtemp(prefix="tovik-wayland-")
    os.chmod(runtime_folder, 0o700)
    socket = f"tovik-test-{os.getpid()}"
    weston = start_weston(runtime_folder, socket)
    try:
        environment = dict(os.environ, XDG_RUNTIME_DIR=runtime_folder, WAYLAND_DISPLAY=socket,
                           QT_QPA_PLATFORM="wayland")
        environment.pop("DISPLAY", None)
        result = subprocess.run([test_program], env=environment, timeout=WAIT_LIMIT)
        assert result.returncode == 0, f"exit status {result.returncode}"
        assert weston.poll() is None, "Weston ended during the test"
    finally:
        weston.terminate()
        weston.wait()
        shutil.rmtree(runtime_folder, ignore_errors=True)
    print("the game window and a window opened from it under Weston: passed")


if __name__ == "__main__":
    main()
