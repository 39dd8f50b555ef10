#!/usr/bin/python3
"""A whole game through the accessibility bus, as a blind player with a screen reader meets it.

The real program runs on its own X server with a private D-Bus session and the AT-SPI bus. The
test plays from the welcome window to the record window with accessibility actions and keys
only, reads every die and every message from the bus, and checks that the notification a screen
reader speaks shows up exactly once per roll, carrying the settled dice and the CPU's message,
and opens the About window from the keyboard to check its links.
Orca itself runs alongside, its speech going to its debug log, and must have spoken every
announcement exactly once. With --coach the game starts with the Coach window open: its lines
are on the bus, each roll's announcement ends with its best choice, and F4 closes it.
Usage: screenreader.py <tovik executable> [--coach]
"""

import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

from firststart import find_window, start_x_server

GAME_TITLE = "Tovik v2"
# Guards against a hang only; every wait ends as soon as its condition holds. Orca takes many
# seconds to start on a busy machine.
WAIT_LIMIT = 60.0
DIE_NAME = re.compile(r"Die (\d): (\d)(, held)?$")
ORCA_SPEECH = re.compile(r"SPEECH OUTPUT: 'notification (.*)'(?: voice=\S+)?\{")
COACH_ROW = re.compile(r"^(hold [\d ]+ and roll|roll all five dice|score .+ for \d+): \d+\.\d\d$")
ROLLED = re.compile(r"Rolled (\d), (\d), (\d), (\d), (\d)(?:; dice? ([\d, ]+) held)?\.")


class Session:
    """The program on the bus, and what its notification object said."""

    def __init__(self, pyatspi, glib, x_display, program_name):
        self.pyatspi = pyatspi
        self.context = glib.MainContext.default()
        self.x = x_display
        self.program_name = program_name
        self.announcements = []
        self.die_name_changes = 0
        # Set once the Coach window advises: each roll's announcement then ends with its advice.
        self.coach_advising = False
        pyatspi.Registry.registerEventListener(
            self.on_event, "object:state-changed:showing", "object:property-change:accessible-name")

    def on_event(self, event):
        try:
            role = event.source.getRole()
        except Exception:  # the program went away meanwhile
            return
        if event.type.startswith("object:state-changed:showing"):
            if role == self.pyatspi.ROLE_NOTIFICATION and event.detail1:
                self.announcements.append(event.source.name)
        elif role == self.pyatspi.ROLE_PUSH_BUTTON and DIE_NAME.match(event.source.name or ""):
            self.die_name_changes += 1

    def pump(self):
        while self.context.iteration(False):
            pass

    def wait_for(self, condition, what):
        deadline = time.monotonic() + WAIT_LIMIT
        while time.monotonic() < deadline:
            self.pump()
            result = condition()
            if result:
                return result
            time.sleep(0.02)
        raise AssertionError(f"gave up waiting for {what}")

    def app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            child = desktop.getChildAtIndex(index)
            if child is not None and child.name == self.program_name:
                return child
        return None

    def find(self, predicate, root=None):
        root = root or self.app()
        if root is None:
            return None
        if predicate(root):
            return root
        for index in range(root.childCount):
            child = root.getChildAtIndex(index)
            found = child is not None and self.find(predicate, child)
            if found:
                return found
        return None

    def find_all(self, predicate, root):
        found = [root] if predicate(root) else []
        for index in range(root.childCount):
            child = root.getChildAtIndex(index)
            if child is not None:
                found += self.find_all(predicate, child)
        return found

    def named(self, name, role=None):
        return self.wait_for(
            lambda: self.find(lambda o: o.name == name and (role is None or o.getRole() == role)),
            repr(name))

    def showing(self, accessible):
        state = accessible.getState()
        return state.contains(self.pyatspi.STATE_SHOWING) \
            and state.contains(self.pyatspi.STATE_SENSITIVE)

    def act(self, accessible, action="Press"):
        actions = accessible.queryAction()
        names = [actions.getName(index) for index in range(actions.nActions)]
        assert action in names, f"{accessible.name!r} offers {names}, not {action!r}"
        actions.doAction(names.index(action))

    def press_key(self, key, alt=False, into_game_window=True):
        """Types one key, into the game window unless a menu of it is open, as a keyboard would."""
        if into_game_window:
            window = find_window(self.x, GAME_TITLE)
            window.set_input_focus(X.RevertToParent, X.CurrentTime)
        codes = [self.x.keysym_to_keycode(XK.string_to_keysym(key))]
        if alt:
            codes.insert(0, self.x.keysym_to_keycode(XK.XK_Alt_L))
        for code in codes:
            xtest.fake_input(self.x, X.KeyPress, code)
        for code in reversed(codes):
            xtest.fake_input(self.x, X.KeyRelease, code)
        self.x.sync()

    def dice(self):
        values, held = [], []
        for die in range(1, 6):
            face = self.find(lambda o, die=die: (o.name or "").startswith(f"Die {die}:"))
            number, value, is_held = DIE_NAME.match(face.name).groups()
            values.append(value)
            if is_held:
                held.append(number)
        return values, held

    def label_text(self, prefix):
        label = self.find(lambda o: o.getRole() == self.pyatspi.ROLE_LABEL
                          and (o.name or "").startswith(prefix))
        return label.name[len(prefix):]

    def next_announcement(self, count_before, what):
        """The one announcement after an action; a second one would be spoken twice."""
        self.wait_for(lambda: len(self.announcements) > count_before, what)
        settle = time.monotonic() + 0.3
        while time.monotonic() < settle:
            self.pump()
            time.sleep(0.02)
        assert len(self.announcements) == count_before + 1, \
            f"{what}: {self.announcements[count_before:]}"
        return self.announcements[-1]

    def check_roll(self, spoken):
        """The announcement names the dice as the bus shows them, and the CPU's message."""
        values, held = self.dice()
        rolled = ROLLED.search(spoken)
        assert rolled, spoken
        assert list(rolled.groups()[:5]) == values, (spoken, values)
        assert (rolled.group(6) or "").replace(" ", "").split(",") == (
            held if held else [""]), (spoken, held)
        message = self.label_text("CPU says: ")
        assert message in spoken, (spoken, message)

    def roll(self, with_key=False):
        before = len(self.announcements)
        if with_key:
            self.press_key("r", alt=True)
        else:
            self.act(self.named("ROLL"))
        spoken = self.next_announcement(before, "the roll's announcement")
        self.check_roll(spoken)
        if self.coach_advising:
            best = self.label_text("Best: ")
            assert spoken.endswith(f" Coach: {best}."), (spoken, best)
        return spoken

    def wait_for_coach_advice(self):
        """The Coach window, solved, reads as labels and a list of rows on the bus."""
        self.wait_for(lambda: self.find(lambda o: (o.name or "").startswith(
            "Expected final score: ")), "the coach's advice")
        self.label_text("Best: ")
        rows = self.find_all(lambda o: COACH_ROW.match(o.name or ""), self.app())
        assert len(rows) >= 8, [row.name for row in rows]
        assert {row.getRole() for row in rows} == {self.pyatspi.ROLE_LIST_ITEM}, \
            {row.getRoleName() for row in rows}
        self.coach_advising = True

    def switch_animation(self, state):
        before = len(self.announcements)
        self.act(self.named("Animation", self.pyatspi.ROLE_MENU_ITEM))
        spoken = self.next_announcement(before, "the animation switch")
        assert spoken == f"Animation {state}.", spoken

    def choose_category(self):
        button = self.find(lambda o: o.getRole() == self.pyatspi.ROLE_PUSH_BUTTON
                           and o.name not in ("ROLL", "New Game", "Un-Select Item")
                           and not DIE_NAME.match(o.name or "") and self.showing(o))
        before = len(self.announcements)
        self.act(button)
        spoken = self.next_announcement(before, f"choosing {button.name}")
        assert spoken == self.label_text("CPU says: "), spoken
        assert re.match(r"If you select this item, your score will be \+\d+ points", spoken)


class Orca:
    """The screen reader, its speech read from its debug log as it is written.

    Orca writes the log through a buffered file unless it is a terminal, so the log is a
    pseudo-terminal that a thread drains line by line."""

    def __init__(self, environment, folder):
        self.spoken = []
        self.ready = False
        # The terminal stays open here as well: until Orca opens it, reading would fail.
        self.master, self.slave = os.openpty()
        self.process = subprocess.Popen(
            ["orca", "--debug-file", os.ttyname(self.slave), "-u", os.path.join(folder, "orca")],
            env=dict(environment, HOME=folder, XDG_CONFIG_HOME=folder, GSETTINGS_BACKEND="memory"),
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.reader = threading.Thread(target=self.read, daemon=True)
        self.reader.start()

    def read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:  # Orca has ended and closed its end
                return
            if not chunk:
                return
            pending += chunk
            *lines, pending = pending.split(b"\n")
            for line in lines:
                text = line.decode("utf-8", "replace").rstrip("\r")
                self.ready = self.ready or "SPEECH OUTPUT: 'Screen reader on." in text
                spoken = ORCA_SPEECH.search(text)
                if spoken:
                    self.spoken.append(spoken.group(1))

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        os.close(self.slave)
        self.reader.join(10)
        os.close(self.master)


def play_a_game(session):
    field = session.named("New Player's Name:", session.pyatspi.ROLE_TEXT)
    welcome = session.named("Welcome to Tovik v2!")
    assert welcome.getRole() == session.pyatspi.ROLE_FRAME, welcome.getRoleName()
    field.queryEditableText().setTextContents("Ann")
    before = len(session.announcements)
    session.act(session.named("Play!"))
    session.check_roll(session.next_announcement(before, "the first roll"))
    if session.coach:
        session.wait_for_coach_advice()

    # An animated roll says its dice once; a die's action and "New..." do nothing meanwhile.
    session.switch_animation("on")
    ones, new_game = session.named("Ones"), session.named("New...")
    fifth_die = session.find(lambda o: (o.name or "").startswith("Die 5:"))
    session.act(session.named("ROLL"))
    session.wait_for(lambda: not session.showing(ones), "the roll to start")
    changes_before = session.die_name_changes
    before = len(session.announcements)
    session.act(fifth_die, "Toggle hold")
    session.act(new_game)
    assert not session.showing(ones), "the roll ended before the actions arrived"
    spoken = session.next_announcement(before, "the animated roll")
    session.check_roll(spoken)
    assert "die 5 held" not in spoken, spoken
    assert session.label_text("Rolls: ") == "2", "a new game started inside the roll"
    assert session.die_name_changes - changes_before <= 5, session.die_name_changes
    session.switch_animation("off")

    # Each turn starts rolled once (twice in the first); a commit and the next roll follow it.
    for turn in range(13):
        if turn == 0:
            session.act(session.find(lambda o: (o.name or "").startswith("Die 3:")),
                        "Toggle hold")
            session.press_key("1")
            session.wait_for(lambda: session.dice()[1] == ["1", "3"], "dice 1 and 3 held")
            assert "; dice 1, 3 held." in session.roll()
            session.choose_category()
        elif turn == 1:
            session.roll(with_key=True)
            session.act(session.named("Twos"), "SetFocus")
            before = len(session.announcements)
            session.press_key("space")
            spoken = session.next_announcement(before, "Space on Twos")
            assert spoken == session.label_text("CPU says: "), spoken
        else:
            session.roll()
            session.choose_category()
        before = len(session.announcements)
        if turn == 12:
            break
        spoken = session.roll()
        assert spoken.startswith("Score: %s." % session.label_text("Score: ")), spoken

    # The last commit ends the game; a score above none opens the record window.
    session.act(session.named("ROLL"))
    record = session.named("Highest Score")
    name_field = session.find(lambda o: o.getRole() == session.pyatspi.ROLE_TEXT, record)
    assert name_field.name == "Name:", name_field.name
    spoken = session.next_announcement(before, "the end of the game")
    score = session.label_text("Score: ")
    assert spoken.startswith(f"Score: {score}."), spoken
    session.act(session.find(lambda o: o.name == "OK", record))
    session.wait_for(lambda: session.find(lambda o: o.name == "Highest Score") is None,
                     "the record window to close")
    if session.coach:
        check_the_coach_review(session, score)
    return score


def check_the_coach_review(session, score):
    """The review's lines are on the bus, and F4 closes the Coach window."""
    summary = session.label_text(f"You scored {score}. Your choices cost ")
    assert re.match(r"\d+\.\d\d points, \d+\.\d\d per choice\.$", summary), summary
    session.named("Perfect play averages 254.36 points a game.")
    line = session.find(lambda o: (o.name or "").startswith("You scored "))
    session.press_key("F4")
    session.wait_for(lambda: not line.getState().contains(session.pyatspi.STATE_SHOWING),
                     "the Coach window to close")


def check_the_about_window(session):
    """Opened from the keyboard, the About window's links are named, focusable and pressable."""
    about_item = session.named("About", session.pyatspi.ROLE_MENU_ITEM)
    session.press_key("h", alt=True)
    session.wait_for(lambda: session.showing(about_item), "the Help menu")
    session.press_key("a", into_game_window=False)
    about = session.named("About Tovik v2")
    links = session.wait_for(lambda: session.find_all(
        lambda o: o.getRole() == session.pyatspi.ROLE_LINK, about), "the links")
    for link in links:
        assert link.name and link.getState().contains(session.pyatspi.STATE_FOCUSABLE), link.name
        actions = link.queryAction()
        assert "Press" in [actions.getName(i) for i in range(actions.nActions)], link.name
    session.act(session.find(lambda o: o.name == "OK", about))
    session.wait_for(lambda: not session.find(lambda o: o.name == "About Tovik v2"),
                     "the About window to close")


def main():
    executable = sys.argv[1]
    coach = "--coach" in sys.argv[2:]
    folder = tempfile.mkdtemp(prefix="tovik-screenreader-")
    server, display_name = start_x_server()
    bus = program = orca = None
    try:
        program_path = os.path.join(folder, "tovik")
        shutil.copy2(executable, program_path)
        # With the modules it loads from its own folder: the game history is written at the end
        # of the game, and would otherwise report its module missing.
        for module in glob.glob(os.path.join(os.path.dirname(executable), "libtovik*.so")):
            shutil.copy2(module, folder)
        if coach:
            with open(os.path.join(folder, "preferences.ini"), "w") as preferences:
                preferences.write("[General]\ncoach=true\n")
        environment = dict(os.environ, DISPLAY=display_name)
        environment.pop("QT_QPA_PLATFORM", None)
        # A private session bus; it starts the accessibility bus when the program asks for it.
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                               env=environment, start_new_session=True, text=True)
        address = bus.stdout.readline().strip()
        assert address, "dbus-daemon did not start"
        environment["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ.update(DISPLAY=display_name, DBUS_SESSION_BUS_ADDRESS=address)
        import pyatspi  # reads the bus address from the environment
        from gi.repository import GLib

        orca = Orca(environment, folder)
        x_display = display.Display(display_name)
        session = Session(pyatspi, GLib, x_display, "Tovik")
        session.coach = coach
        session.wait_for(lambda: orca.ready, "Orca to start")

        environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        program = subprocess.Popen([program_path], cwd=folder, env=environment)
        session.wait_for(session.app, "the program on the accessibility bus")
        score = play_a_game(session)
        check_the_about_window(session)
        session.wait_for(lambda: len(orca.spoken) >= len(session.announcements),
                         "Orca to speak every announcement")
        assert orca.spoken == session.announcements, (orca.spoken, session.announcements)
        announced = len(session.announcements)

        session.act(session.named("Exit", pyatspi.ROLE_MENU_ITEM))
        session.wait_for(lambda: program.poll() is not None, "the program to end")
        assert program.returncode == 0, f"exit status {program.returncode}"
        with open(os.path.join(folder, "settings.cfg"), "rb") as settings:
            written = settings.read()
        assert f"hname=Ann\r\nhscore={score}\r\n".encode() in written, written
        x_display.close()
    finally:
        if program is not None and program.poll() is None:
            program.kill()
            program.wait()
        if orca is not None:
            orca.stop()
        if bus is not None:
            os.killpg(bus.pid, signal.SIGTERM)
            bus.wait()
        server.terminate()
        server.wait()
        shutil.rmtree(folder, ignore_errors=True)
    print(f"a whole game through the accessibility bus{' with the coach' if coach else ''}, "
          f"{announced} announcements, each spoken once by Orca: passed")


if __name__ == "__main__":
    main()
