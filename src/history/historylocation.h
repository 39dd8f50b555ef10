#pragma once

#include <QString>

// Where history.sqlite lives. It goes beside the settings file when the player keeps that file
// with the program or names it on the command line, so that each such settings file has its
// own games; beside a settings file in the user's configuration folder it would be out of
// place, so then it goes to the user's data folder instead: $XDG_DATA_HOME/tovik, or
// ~/.local/share/tovik when that variable is unset.
QString historyFileLocation(const QString &settingsPath, bool settingsInConfigFolder);

// The rule itself, given the user's data folder.
QString chooseHistoryFile(const QString &settingsPath, bool settingsInConfigFolder,
                          const QString &dataFolder);
