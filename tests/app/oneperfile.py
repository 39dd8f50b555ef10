#!/usr/bin/python3
"""One copy of the program per settings file, on its own X server, with a private session bus
and without one.

A second start on the settings file of a running copy ends with status 0 within five seconds and
writes nothing; on the bus it first brings the running copy's game window to the front, over a
window that covered it. A start with another settings file runs as a copy of its own. A copy that
was killed does not keep the next start out. Two copies started at the same instant leave one
running and the other ending with status 0 within five seconds.
Usage: oneperfile.py <tovik executable>
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import display

from firststart import find_window, find_windows, start_x_server, wait_for
from xgame import WELCOME_TITLE, play

SETTINGS = b"color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\nname=Ann\r\n"
SECOND_START_LIMIT = 5.0
ROUNDS_AT_ONCE = 3


def start(executable, environment, folder, name):
    """Starts the program on the settings file of that name in the folder, made if missing."""
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        with open(path, "wb") as settings:
            settings.write(SETTINGS)
    return subprocess.Popen([executable, "--settings", path], env=environment, cwd=folder)


def statuses_within_limit(programs):
    """The exit statuses of the programs that end within five seconds, once one has ended."""
    deadline = time.monotonic() + SECOND_START_LIMIT
    while time.monotonic() < deadline and all(program.poll() is None for program in programs):
        time.sleep(0.05)
    return [program.returncode for program in programs if program.poll() is not None]


def stop(*programs):
    for program in programs:
        if program.poll() is None:
            program.kill()
        program.wait()


def snapshot(folder):
    """Every file in the folder with its identity, size and modification time."""
    entries = {}
    for name in os.listdir(folder):
        status = os.lstat(os.path.join(folder, name))
        entries[name] = (status.st_ino, status.st_size, status.st_mtime_ns)
    return entries


def is_on_top(connection, window):
    return find_windows(connection)[-1].id == window.id


def cover(connection, window):
    """Maps a window of this test over the given one and returns it."""
    screen = connection.screen()
    geometry = window.get_geometry()
    cover_window = screen.root.create_window(geometry.x, geometry.y, geometry.width,
                                             geometry.height, 0, screen.root_depth)
    cover_window.map()
    wait_for(lambda: is_on_top(connection, cover_window), "the cover to be on top")
    return cover_window


def second_start_ends_and_writes_nothing(executable, connection, environment, folder, on_bus):
    first = start(executable, environment, folder, "settings.cfg")
    try:
        game = play(connection)
        covered = cover(connection, game) if on_bus else None
        before = snapshot(folder)
        second = start(executable, environment, folder, "settings.cfg")
        assert statuses_within_limit([second]) == [0], second.poll()
        assert snapshot(folder) == before, (before, snapshot(folder))
        assert first.poll() is None, "the first copy ended"
        if on_bus:
            wait_for(lambda: is_on_top(connection, game), "the game window to come to the front")
            covered.destroy()
        other = start(executable, environment, folder, "other.cfg")
        wait_for(lambda: find_window(connection, WELCOME_TITLE), "a copy on another file")
        stop(other)
    finally:
        stop(first)
    again = start(executable, environment, folder, "settings.cfg")
    wait_for(lambda: find_window(connection, WELCOME_TITLE), "a start after a killed copy")
    stop(again)


def copies_started_at_once_leave_one(executable, connection, environment, folder):
    for round_number in range(ROUNDS_AT_ONCE):
        copies = [start(executable, environment, folder, f"at-once-{round_number}.cfg")
                  for _ in range(2)]
        try:
            assert statuses_within_limit(copies) == [0], [copy.poll() for copy in copies]
            wait_for(lambda: find_window(connection, WELCOME_TITLE), "the remaining copy")
            assert [copy.poll() for copy in copies].count(None) == 1, "both copies ended"
        finally:
            stop(*copies)


def check(executable, connection, environment, on_bus):
    folder = tempfile.mkdtemp(prefix="tovik-oneperfile-")
    try:
        second_start_ends_and_writes_nothing(executable, connection, environment, folder, on_bus)
        copies_started_at_once_leave_one(executable, connection, environment, folder)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def main():
    executable = os.path.abspath(sys.argv[1])
    server, display_name = start_x_server()
    connection = display.Display(display_name)
    environment = dict(os.environ, DISPLAY=display_name)
    environment.pop("QT_QPA_PLATFORM", None)
    environment.pop("DBUS_SESSION_BUS_ADDRESS", None)
    bus = None
    try:
        check(executable, connection, environment, on_bus=False)
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                               start_new_session=True, text=True)
        address = bus.stdout.readline().strip()
        assert address, "dbus-daemon did not start"
        check(executable, connection, dict(environment, DBUS_SESSION_BUS_ADDRESS=address),
              on_bus=True)
    finally:
        if bus is not None:
            os.killpg(bus.pid, signal.SIGTERM)
            bus.wait()
        connection.close()
        server.terminate()
        server.wait()
    print("one copy of the program per settings file: passed")


if __name__ == "__main__":
    main()
