#pragma once

// settings.cfg beside the executable: read once when the welcome window is first shown, and
// rewritten whole when a player is accepted, when a new highest score is confirmed and when the
// game window closes. Both raise TovikError on failure. A line with a malformed number is skipped
// and the others are read; the first such line's error is raised once they are all in effect.
void loadSettings();
void saveSettings();
