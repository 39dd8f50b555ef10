#pragma once

#include <QString>

// The one place that decides where settings.cfg lives. A file named on the command line wins.
// Otherwise the file stays beside the executable when that folder is writable or already holds
// a settings file that can be read or written (the build tree, an unpacked copy, a copy on a
// read-only medium); an installed program, whose folder belongs to the system, keeps it in the
// user's configuration folder instead.
void nameSettingsFile(const QString &path);
QString settingsFileLocation();

// Whether the path is the settings file of the user's configuration folder that the program
// chooses when no file is named, rather than one named or one beside the executable.
bool isSettingsFileInConfigFolder(const QString &path);

// The rule itself, given the folders it chooses between.
QString chooseSettingsFile(const QString &namedFile, const QString &programFolder,
                           const QString &configFolder);

// The file that a settings path names, as an absolute path with the folders' links resolved: for
// a symbolic link, the file it points to, whether or not that file exists yet. Two paths that
// name the same file give the same text.
QString settingsFileTarget(const QString &path);
