#!/usr/bin/python3
"""Takes the README's screenshots: the real program on its own X server, a game under way.

Usage: docs/screenshot.py <tovik executable> <output.png> [scale]. The scale is the desktop's,
1 unless given (2 for a screen at 200 %). Needs ImageMagick's `import`.
"""

import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "app"))
from firststart import find_window, start_x_server, wait_for  # noqa: E402
from xgame import press  # noqa: E402

from Xlib import X, display  # noqa: E402

SETTINGS = b"color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\nname=Ann\r\n"


def main():
    executable, output = sys.argv[1], os.path.abspath(sys.argv[2])
    scale = sys.argv[3] if len(sys.argv) > 3 else "1"
    folder = tempfile.mkdtemp(prefix="tovik-screenshot-")
    server, display_name = start_x_server("1920x1200x24")
    try:
        shutil.copy(executable, folder)
        with open(os.path.join(folder, "settings.cfg"), "wb") as settings:
            settings.write(SETTINGS)
        environment = dict(os.environ, DISPLAY=display_name, QT_SCALE_FACTOR=scale)
        environment.pop("QT_QPA_PLATFORM", None)
        game = subprocess.Popen([os.path.join(folder, "tovik")], cwd=folder, env=environment)
        connection = display.Display(display_name)
        welcome = wait_for(lambda: find_window(connection, "Welcome to Tovik v2!"), "welcome")
        welcome.set_input_focus(X.RevertToParent, X.CurrentTime)
        press(connection, ["Alt_L", "p"])
        window = wait_for(lambda: find_window(connection, "Tovik v2"), "the game window")
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        for keys in (["Alt_L", "r"], ["2"], ["4"], ["Alt_L", "r"]):
            press(connection, keys)
        subprocess.run(["import", "-display", display_name, "-window", hex(window.id), output],
                       check=True)
        game.kill()
    finally:
        server.kill()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
