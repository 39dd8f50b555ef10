#pragma once

#include <QByteArray>
#include <QtGlobal>

// What the settings file on disk was when the session last read or wrote it: no file at all,
// a file known by its device and inode with its size and modification time to the nanosecond,
// or a file that could not be read. A file whose stamp differs from the one held has changed
// since, whether it was replaced, rewritten in place or edited within the same clock tick.
struct FileStamp
{
    enum class State { Missing, Known, Unread };

    State state = State::Missing;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedSeconds = 0;
    qint64 modifiedNanoseconds = 0;

    static FileStamp unread() { return {State::Unread}; }
    bool operator==(const FileStamp &) const = default;
};

// The stamp of an open file; of a path, where only a regular file counts as a file.
FileStamp stampOf(int handle);
FileStamp stampAt(const QByteArray &path);
