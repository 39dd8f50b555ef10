#!/usr/bin/python3
"""The real program asked to end by a signal, as a desktop session does when it ends.

During a game, SIGTERM, SIGHUP and SIGINT each close the program as the game window's close box
does: the settings are saved and the program exits with status 0. When that save fails, the
error box holds the program open, and a second signal ends it at once. A signal that the
program was started with ignored, as "nohup" does with SIGHUP, stays ignored.
Usage: endonsignal.py <tovik executable>
"""

import contextlib
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import display

from firststart import find_window, start_x_server, wait_for
from xgame import play

SETTINGS = b"color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\nname=Ann\r\n"


def run_game(executable, display_name, folder, settings_path, ignored=None):
    environment = dict(os.environ, DISPLAY=display_name)
    environment.pop("QT_QPA_PLATFORM", None)
    with open(settings_path, "wb") as settings:
        settings.write(SETTINGS)
    ignore = (lambda: signal.signal(ignored, signal.SIG_IGN)) if ignored else None
    return subprocess.Popen([executable, "--settings", settings_path], cwd=folder,
                            env=environment, preexec_fn=ignore)


@contextlib.contextmanager
def game_in_play(executable, connection, folder, settings_path, ignored=None):
    """The game started and its first turn played; killed on the way out if it still runs."""
    program = run_game(executable, connection.get_display_name(), folder, settings_path, ignored)
    try:
        play(connection)
        yield program
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()


def end_with(program, number):
    program.send_signal(number)
    wait_for(lambda: program.poll() is not None, "the program to end")


def signal_saves_and_ends(executable, connection, folder, number):
    settings_path = os.path.join(folder, f"{number.name}.cfg")
    with game_in_play(executable, connection, folder, settings_path) as program:
        os.remove(settings_path)
        end_with(program, number)
    assert program.returncode == 0, f"{number.name}: exit status {program.returncode}"
    with open(settings_path, "rb") as settings:
        assert settings.read() == SETTINGS, f"{number.name}: settings not saved"


def ignored_hangup_stays_ignored(executable, connection, folder):
    settings_path = os.path.join(folder, "nohup.cfg")
    with game_in_play(executable, connection, folder, settings_path,
                      ignored=signal.SIGHUP) as program:
        program.send_signal(signal.SIGHUP)
        time.sleep(1)
        assert program.poll() is None, "an ignored SIGHUP ended the program"
        end_with(program, signal.SIGTERM)
    assert program.returncode == 0, f"exit status {program.returncode}"


def second_signal_ends_a_stuck_close(executable, connection, folder):
    settings_folder = os.path.join(folder, "saves")
    os.mkdir(settings_folder)
    with game_in_play(executable, connection, folder,
                      os.path.join(settings_folder, "a.cfg")) as program:
        # A file where the settings' folder was: the save at the close fails.
        os.rename(settings_folder, settings_folder + ".gone")
        open(settings_folder, "wb").close()
        program.send_signal(signal.SIGTERM)
        wait_for(lambda: find_window(connection, "Tovik"), "the error box")
        assert program.poll() is None, "the program ended despite the failed save"
        end_with(program, signal.SIGTERM)
    assert program.returncode == -signal.SIGTERM, f"exit status {program.returncode}"


def main():
    executable = os.path.abspath(sys.argv[1])
    folder = tempfile.mkdtemp(prefix="tovik-endonsignal-")
    server, display_name = start_x_server()
    # One connection for all the cases: an X server that loses its last client resets, and
    # would refuse the next one meanwhile.
    connection = display.Display(display_name)
    try:
        for number in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
            signal_saves_and_ends(executable, connection, folder, number)
        ignored_hangup_stays_ignored(executable, connection, folder)
        second_signal_ends_a_stuck_close(executable, connection, folder)
    finally:
        connection.close()
        server.terminate()
        server.wait()
        shutil.rmtree(folder, ignore_errors=True)
    print("a signal saves and ends the program, a second one ends it at once: passed")


if __name__ == "__main__":
    main()
