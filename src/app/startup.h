#pragma once

class MainWindows;

// The program's life, from the application object's set-up to the end of its message loop.

// The title "Tovik", which also groups the windows under one task-bar entry, the icon, the name
// of the menu entry that Wayland desktops match the windows with, and the version; the
// application ends where the program asks it to, not when its last window closes.
void setUpApplication();

// Creates the session and the two windows, shows the welcome window from inside the message
// loop, runs the loop until the program ends and destroys the windows. Returns the exit status.
// The end of the desktop session and the termination signals close the program on the way. A
// start on a settings file that another copy holds brings that copy's window to the front and
// returns 0 at once.
int runProgram();

// The part of runProgram after the windows exist, for tests that redirect the settings file.
int runMainWindows(MainWindows &windows);
