#pragma once

// The program's life, from the application object's set-up to the end of its message loop.

// The title "Tovik", which also groups the windows under one task-bar entry, the icon and the
// version; the application ends where the program asks it to, not when its last window closes.
void setUpApplication();

// The two windows that live for the whole run, reached through Form3 and Form1: the welcome
// window first, then the game window, hidden.
void createMainWindows();
void destroyMainWindows();

// Creates the two windows, shows the welcome window from inside the message loop, runs the loop
// until the program ends and destroys the windows. Returns the exit status.
int runProgram();

// The part of runProgram after the windows exist, for tests that redirect the settings file.
int runMainWindows();
