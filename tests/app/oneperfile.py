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

from Xlib import X, display

from firststart import find_window, find_windows, start_x_server, wait_for
from xgame import WELCOME_TITLE, play

SETTINGS = b"color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\nname=Ann\r\n"
SECOND_START_LIMIT = 5.0
ROUNDS_AT_ONCE = 3


def start(executable, environment, settings_path):
    return subprocess.Popen([executable, "--settings", settings_path], env=environment,
                            cwd=os.path.dirname(settings_path))


def settings_file(folder, name):
    path = os.path.join(folder, name)
    with open(path, "wb") as settings:
        settings.write(SETTINGS)
    return path


def status_within(program, seconds):
    """The program's exit status once it ended, or None if it still runs after the seconds."""
    try:
        return program.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        return None


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


def cover(connection, window):
    """Maps a window of this test over the given one and returns it."""
    screen = connection.screen()
    geometry = window.get_geometry()
    cover_window = screen.root.create_window(
        geometry.x, geometry.y, geometry.width, geometry.height, 0, screen.root_depth,
        background_pixel=screen.black_pixel)
    cover_window.map()
    connection.sync()
    wait_for(lambda: is_on_top(connection, cover_window), "the cover to be on top")
    return cover_window


def is_on_top(connection, window):
    viewable = find_windows(connection)
    return bool(viewable) and viewable[-1].id == window.id


def second_start_ends_and_writes_nothing(executable, connection, environment, folder, on_bus):
    settings_path = settings_file(folder, "settings.cfg")
    first = start(executable, environment, settings_path)
    try:
        game = play(connection)
        covered = cover(connection, game) if on_bus else None
        before = snapshot(folder)
        second = start(executable, environment, settings_path)
        status = status_within(second, SECOND_START_LIMIT)
        assert status == 0, f"second start: status {status}"
        assert snapshot(folder) == before, (before, snapshot(folder))
        assert first.poll() is None, "the first copy ended"
        if on_bus:
            wait_for(lambda: is_on_top(connection, game), "the game window to come to the front")
            covered.destroy()

        other = start(executable, environment, settings_file(folder, "other.cfg"))
        wait_for(lambda: find_window(connection, WELCOME_TITLE), "a copy on another file")
        assert other.poll() is None, "the copy on another file ended"
        stop(other)
    finally:
        stop(first)

    again = start(executable, environment, settings_path)
    try:
        wait_for(lambda: find_window(connection, WELCOME_TITLE), "a start after a killed copy")
        assert again.poll() is None, "the start after a killed copy ended"
    finally:
        stop(again)


def copies_started_at_once_leave_one(executable, connection, environment, folder):
    for round_number in range(ROUNDS_AT_ONCE):
        settings_path = settings_file(folder, f"at-once-{round_number}.cfg")
        copies = [start(executable, environment, settings_path) for _ in range(2)]
        try:
            wait_for(lambda: any(copy.poll() is not None for copy in copies), "a copy to end")
            ended = [copy for copy in copies if copy.poll() is not None]
            assert len(ended) == 1 and ended[0].returncode == 0, \
                [copy.returncode for copy in copies]
            wait_for(lambda: find_window(connection, WELCOME_TITLE), "the remaining copy")
            assert len(find_windows(connection, WELCOME_TITLE)) == 1
            assert all(copy.poll() is None for copy in copies if copy is not ended[0])
        finally:
            stop(*copies)


def check(executable, connection, environment, on_bus):
    folder = tempfile.mkdtemp(prefix="tovik-oneperfile-")
    try:
        start_time = time.monotonic()
        second_start_ends_and_writes_nothing(executable, connection, environment, folder, on_bus)
        copies_started_at_once_leave_one(executable, connection, environment, folder)
        print(f"{'with' if on_bus else 'without'} a session bus: "
              f"{time.monotonic() - start_time:.1f} s")
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
