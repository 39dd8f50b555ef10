#!/usr/bin/python3
"""The real program's first start on its own X server.

Started in a folder without a settings file, the program creates the file with its three default
lines; closing the welcome window through its close box then ends the program with status 0 and
leaves the file as it was made. Usage: firststart.py <tovik executable>
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from Xlib import X, Xatom, display, protocol

WELCOME_TITLE = "Welcome to Tovik v2!"
DEFAULT_SETTINGS = b"animation=0\r\ncolor1=clAqua\r\ncolor2=clBlue\r\n"
# Guards against a hang only; every wait ends as soon as its condition holds.
WAIT_LIMIT = 60.0
POLL_INTERVAL = 0.05


def wait_for(condition, what):
    deadline = time.monotonic() + WAIT_LIMIT
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(POLL_INTERVAL)
    raise AssertionError(f"gave up waiting for {what}")


def start_x_server(screen="800x600x24"):
    """Starts Xvfb on the first free display and returns the process and the display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        raise AssertionError("Xvfb did not start")
    return server, ":" + number


def find_windows(connection, title=None):
    """The viewable top-level windows with this title, or with any title, bottom to top."""
    wm_name = connection.intern_atom("_NET_WM_NAME")
    utf8 = connection.intern_atom("UTF8_STRING")
    found = []
    for window in connection.screen().root.query_tree().children:
        try:
            if window.get_attributes().map_state != X.IsViewable:
                continue
            name = window.get_full_property(wm_name, utf8)
        except Exception:  # the window went away meanwhile
            continue
        if title is None or (name is not None and name.value.decode("utf-8") == title):
            found.append(window)
    return found


def find_window(connection, title):
    """The viewable top-level window with this title, or None."""
    windows = find_windows(connection, title)
    return windows[0] if windows else None


def press_close_box(connection, window):
    """Sends what a window manager sends when the user clicks a window's close box."""
    protocols = connection.intern_atom("WM_PROTOCOLS")
    delete_window = connection.intern_atom("WM_DELETE_WINDOW")
    assert delete_window in window.get_full_property(protocols, Xatom.ATOM).value
    message = protocol.event.ClientMessage(
        window=window, client_type=protocols, data=(32, [delete_window, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    connection.flush()


def main():
    executable = sys.argv[1]
    folder = tempfile.mkdtemp(prefix="tovik-firststart-")
    server, display_name = start_x_server()
    program = None
    try:
        program_path = os.path.join(folder, "tovik")
        shutil.copy2(executable, program_path)
        settings_path = os.path.join(folder, "settings.cfg")

        environment = dict(os.environ, DISPLAY=display_name)
        environment.pop("QT_QPA_PLATFORM", None)
        environment.pop("DBUS_SESSION_BUS_ADDRESS", None)
        program = subprocess.Popen([program_path], cwd=folder, env=environment)

        connection = display.Display(display_name)
        window = wait_for(lambda: find_window(connection, WELCOME_TITLE), "the welcome window")
        with open(settings_path, "rb") as settings:
            written = settings.read()
        assert written == DEFAULT_SETTINGS, f"settings at start: {written!r}"

        press_close_box(connection, window)
        wait_for(lambda: program.poll() is not None, "the program to end")
        assert program.returncode == 0, f"exit status {program.returncode}"
        with open(settings_path, "rb") as settings:
            written = settings.read()
        assert written == DEFAULT_SETTINGS, f"settings at the end: {written!r}"
        # Without a session bus, the lock that keeps a second copy off the settings file.
        assert sorted(os.listdir(folder)) == ["settings.cfg", "settings.cfg.lock", "tovik"], \
            os.listdir(folder)
        connection.close()
    finally:
        if program is not None and program.poll() is None:
            program.kill()
            program.wait()
        server.terminate()
        server.wait()
        shutil.rmtree(folder, ignore_errors=True)
    print("closing the welcome window at the first start keeps the default settings: passed")


if __name__ == "__main__":
    main()
