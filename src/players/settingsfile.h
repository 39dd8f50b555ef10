#pragma once

#include "players/filestamp.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The settings file on disk. Failures throw InOutError.
bool settingsFileExists(const QString &path);
// The stamp, when asked for, is that of the file the bytes were read from.
QByteArray readSettingsFile(const QString &path, FileStamp *stamp = nullptr);

// The lines a save writes, given the file's text when it changed since the session last read or
// wrote it, for the lines to take in what someone else saved meanwhile.
using SettingsComposer = std::function<QStringList(const std::optional<QByteArray> &changedText)>;

struct SavedSettingsFile
{
    // The file as this save left it.
    FileStamp stamp;
    // Where a file that could not be read was kept before it was replaced, or empty.
    QString keptAs;
};

// Replaces the file with the lines, each ended by CR LF, in UTF-8. A settings file that is a
// symbolic link stays one: the file it points to is written, and made when it is missing. The
// new text goes to a file of the same name plus ".saving", made fresh, which replaces the old one
// only once it is complete and on disk, with the old file's owner, group and permissions; so a
// failure at any point leaves the old file as it was, and a save killed part-way leaves at most
// that one file behind, for the next save to reuse. Where the folder takes no new file, or the
// owner and group of a shared file cannot be kept, a writable file is rewritten in place instead,
// its space reserved before the first byte. A file that changed since held is read and handed to
// compose; one that cannot be read is never written over, but kept beside it first, under its
// name plus ".unreadable" (and a number when that name is taken), or the save is refused.
SavedSettingsFile writeSettingsFile(const QString &path, const FileStamp &held,
                                    const SettingsComposer &compose);
// The same for lines that replace whatever the file holds. Returns the new file's stamp.
FileStamp writeSettingsFile(const QString &path, const QStringList &lines);
