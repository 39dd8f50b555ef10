#pragma once

class QString;

// The player's choices that settings.cfg has no key for, kept in preferences.ini beside it, so
// that settings.cfg keeps its keys and bytes. The file is a convenience: one that cannot be read
// reads as every switch off, and a write that fails is dropped without a word.
QString preferencesPath(const QString &settingsPath);

// Whether the Coach window was open when the player last switched it.
bool readCoachSwitch(const QString &settingsPath);
void writeCoachSwitch(const QString &settingsPath, bool on);
