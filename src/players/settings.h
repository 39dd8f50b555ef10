#pragma once

class Session;

// settings.cfg beside the executable, at the session's settings path: read into the session once
// when the welcome window is first shown, and rewritten whole from it when a player is accepted,
// when a new highest score is confirmed and when the game window closes. Both raise TovikError on
// failure. A line with a malformed number is skipped and the others are read; the first such
// line's error is raised once they are all in effect.
//
// A save over a file that someone else changed since the session read or wrote it merges the two
// (see mergedSettings) and leaves the session holding what it wrote. A save over a file that could
// not be read keeps that file beside it first, and then raises an error that tells the player
// where it went, although the new settings were saved.
void loadSettings(Session &session);
void saveSettings(Session &session);
