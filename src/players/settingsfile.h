#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The settings file on disk. Failures throw InOutError.
bool settingsFileExists(const QString &path);
QByteArray readSettingsFile(const QString &path);

// Replaces the file with the lines, each ended by CR LF, in UTF-8. The new text goes to a file
// beside the old one, which is replaced only once the new one is complete and on disk, so a
// failure at any point leaves the old file as it was. Where the folder takes no new file but the
// file may be written, it is rewritten in place, and a failure part-way keeps what was written.
// A successful save also removes the new files that killed saves left beside the settings file.
void writeSettingsFile(const QString &path, const QStringList &lines);
