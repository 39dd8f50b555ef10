#pragma once

class Session;

// settings.cfg beside the executable, at the session's settings path: read into the session once
// when the welcome window is first shown, and rewritten whole from it when a player is accepted,
// when a new highest score is confirmed and when the game window closes. Both raise TovikError on
// failure. A line with a malformed number is skipped and the others are read; the first such
// line's error is raised once they are all in effect.
void loadSettings(Session &session);
void saveSettings(const Session &session);
