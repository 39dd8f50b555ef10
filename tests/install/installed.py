#!/usr/bin/python3
"""The game installed into a prefix, as a system-wide installation gives it to its players.

Installs the build into a temporary prefix, validates the menu entry and the software-centre
description, checks the icons and the manual page, and answers --help and --version without a
display. Then a player who may not write to the prefix, with a fresh home folder, starts the
installed program on its own X server, plays and closes the game window: the settings are in
~/.config/tovik/ and nothing was written into the prefix.
Usage: installed.py <build folder>
"""

import gzip
import os
import shutil
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app"))
from firststart import press_close_box, start_x_server, wait_for  # noqa: E402
from xgame import play  # noqa: E402

from Xlib import display  # noqa: E402

APP_ID = "org.example.tovik"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
NOBODY = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]


def install(build, prefix):
    subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                   stdout=subprocess.DEVNULL)
    # Everyone may read and run the installation; nobody but root may write to it.
    for folder, _, files in os.walk(prefix):
        os.chmod(folder, 0o555)
        for name in files:
            path = os.path.join(folder, name)
            os.chmod(path, 0o555 if os.access(path, os.X_OK) else 0o444)


def png_size(path):
    with open(path, "rb") as picture:
        header = picture.read(24)
    assert header[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is not a PNG"
    return struct.unpack(">II", header[16:24])


def check_desktop_files(prefix):
    share = os.path.join(prefix, "share")
    subprocess.run(["desktop-file-validate",
                    os.path.join(share, "applications", APP_ID + ".desktop")], check=True)
    subprocess.run(["appstreamcli", "validate", "--no-net", "--pedantic",
                    os.path.join(share, "metainfo", APP_ID + ".metainfo.xml")], check=True,
                   stdout=subprocess.DEVNULL)
    icons = os.path.join(share, "icons", "hicolor")
    for size in ICON_SIZES:
        path = os.path.join(icons, f"{size}x{size}", "apps", APP_ID + ".png")
        assert png_size(path) == (size, size), f"{path}: {png_size(path)}"
    with open(os.path.join(icons, "scalable", "apps", APP_ID + ".svg"), "rb") as svg:
        assert b"<svg " in svg.read()
    with gzip.open(os.path.join(share, "man", "man6", "tovik.6.gz"), "rt") as manual:
        assert manual.readline().startswith('.TH TOVIK 6 '), "not the game's manual page"


def check_answers_without_display(program):
    environment = {key: value for key, value in os.environ.items()
                   if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    for option, start in (("--help", "Usage: tovik"), ("--version", "tovik 2.0.4.56")):
        answer = subprocess.run([program, option], env=environment, capture_output=True,
                                text=True, timeout=30)
        assert answer.returncode == 0 and answer.stdout.startswith(start), (option, answer)
    refusal = subprocess.run([program, "--fullscreen"], env=environment, capture_output=True,
                             text=True, timeout=30)
    assert refusal.returncode == 2 and "Usage: tovik" in refusal.stderr, refusal


def snapshot(prefix):
    """Every path in the prefix with its size and modification time."""
    entries = {}
    for folder, folders, files in os.walk(prefix):
        for name in folders + files:
            path = os.path.join(folder, name)
            status = os.lstat(path)
            entries[path] = (status.st_size, status.st_mtime_ns)
    return entries


def sanitizer_options(folder):
    """The sanitizers' options for a program run as another user. The files they name, the leak
    suppressions, are copied into the folder, which that user can read: the clone they come from
    may sit in a folder that only its owner may enter, as mktemp -d and many home folders are."""
    options = {}
    for key, value in os.environ.items():
        if not key.endswith("SAN_OPTIONS"):
            continue
        settings = []
        for setting in value.split(":"):
            name, _, path = setting.partition("=")
            if name == "suppressions" and path:
                copy = os.path.join(folder, f"{key.lower()}-{os.path.basename(path)}")
                shutil.copyfile(path, copy)
                os.chmod(copy, 0o644)
                setting = f"{name}={copy}"
            settings.append(setting)
        options[key] = ":".join(settings)
    return options


def play_as_a_player(program, prefix, home):
    """Plays the installed program as a user without write access to the prefix."""
    as_player = NOBODY if os.geteuid() == 0 else []
    runtime = os.path.join(home, ".runtime")
    os.makedirs(runtime, mode=0o700)
    if as_player:
        for path in (home, runtime):
            shutil.chown(path, "nobody", "nogroup")
    before = snapshot(prefix)
    server, display_name = start_x_server()
    game = None
    try:
        environment = {"PATH": os.environ["PATH"], "HOME": home, "DISPLAY": display_name,
                       "XDG_RUNTIME_DIR": runtime, "LANG": "C.UTF-8"}
        environment.update(sanitizer_options(os.path.dirname(home)))
        game = subprocess.Popen(as_player + [program], cwd=home, env=environment)
        connection = display.Display(display_name)
        window = play(connection, "eve")
        press_close_box(connection, window)
        wait_for(lambda: game.poll() is not None, "the program to end")
        connection.close()
        assert game.returncode == 0, f"exit status {game.returncode}"
    finally:
        if game is not None and game.poll() is None:
            game.kill()
            game.wait()
        server.terminate()
        server.wait()
    with open(os.path.join(home, ".config", "tovik", "settings.cfg"), "rb") as settings:
        written = settings.read()
    assert written.startswith(b"color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\nname=eve\r\n"), \
        written
    assert snapshot(prefix) == before, "the program wrote into the prefix"


def main():
    build = os.path.abspath(sys.argv[1])
    folder = tempfile.mkdtemp(prefix="tovik-installed-")
    try:
        os.chmod(folder, 0o755)
        prefix = os.path.join(folder, "prefix")
        home = os.path.join(folder, "home")
        os.mkdir(home)
        install(build, prefix)
        program = os.path.join(prefix, "games", "tovik")
        check_desktop_files(prefix)
        check_answers_without_display(program)
        play_as_a_player(program, prefix, home)
    finally:
        for path, _, _ in os.walk(folder):
            os.chmod(path, 0o755)
        shutil.rmtree(folder, ignore_errors=True)
    print("the installed program keeps its settings in the player's configuration folder: passed")


if __name__ == "__main__":
    main()
