"""Driving the real program on its own X server as a player would: keys, and a game started.

Shared by the end-to-end tests and the screenshot tool; the X server and window helpers come
from firststart.py.
"""

import time

from Xlib import X, XK
from Xlib.ext import xtest

from firststart import find_window, wait_for

WELCOME_TITLE = "Welcome to Tovik v2!"
GAME_TITLE = "Tovik v2"


def press(connection, keys):
    """Presses the keys together, as a chord, then lets them go, and gives the program a moment
    to act on them."""
    codes = [connection.keysym_to_keycode(XK.string_to_keysym(key)) for key in keys]
    for code in codes:
        xtest.fake_input(connection, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(connection, X.KeyRelease, code)
    connection.sync()
    time.sleep(0.3)


def play(connection, name=None):
    """Types the name, if any, into the welcome window, presses "&Play!" and returns the game
    window once it is shown."""
    welcome = wait_for(lambda: find_window(connection, WELCOME_TITLE), "the welcome window")
    welcome.set_input_focus(X.RevertToParent, X.CurrentTime)
    connection.sync()
    # Qt takes the focus a moment after the window maps; until then keys would be lost.
    time.sleep(0.3)
    for letter in name or "":
        press(connection, [letter])
    press(connection, ["Alt_L", "p"])
    return wait_for(lambda: find_window(connection, GAME_TITLE), "the game window")
