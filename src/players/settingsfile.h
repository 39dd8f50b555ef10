#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The settings file on disk. Failures throw InOutError.
bool settingsFileExists(const QString &path);
QByteArray readSettingsFile(const QString &path);

// Replaces the file with the lines, each ended by CR LF, in UTF-8. The new text goes to the file
// of the same name plus ".saving", which replaces the old one only once it is complete and on
// disk, so a failure at any point leaves the old file as it was; a save killed part-way leaves at
// most that one file behind, for the next save to reuse. Where the folder takes no new file but
// the file may be written, it is rewritten in place, and a failure part-way keeps what was written.
void writeSettingsFile(const QString &path, const QStringList &lines);
