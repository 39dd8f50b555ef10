#pragma once

// settings.cfg beside the executable: read once when the welcome window is first shown, and
// rewritten whole when a player is accepted, when a new highest score is confirmed and when the
// game window closes. Both raise TovikError on failure; what was read before a faulty line
// stays in effect.
void LoadSettings();
void SaveSettings();
