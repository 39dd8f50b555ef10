#include "players/settingsfile.h"

#include "app/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace {

constexpr int FileNotFound = 2;
constexpr int InvalidFilename = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int FileAccessDenied = 5;
constexpr int DiskFull = 101;
constexpr char LineEnd[] = "\r\n";

// The program's number for the error of a file call that has just failed, from errno read at
// once. Callers clear errno before the call: Qt refuses some files (a directory, a read-only
// file) without a failing system call, and those are denied access.
int lastFileError()
{
    const int error = errno;
    switch (error) {
    case 0:
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return FileAccessDenied;
    case ENOENT:
        return FileNotFound;
    case ENAMETOOLONG:
    case ENOTDIR:
    case ELOOP:
    case EINVAL:
        return InvalidFilename;
    case EMFILE:
    case ENFILE:
        return TooManyOpenFiles;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return DiskFull;
    default:
        return error;
    }
}

} // namespace

bool settingsFileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

QByteArray readSettingsFile(const QString &path)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw InOutError(lastFileError());
    errno = 0;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw InOutError(lastFileError());
    return bytes;
}

void writeSettingsFile(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + LineEnd;

    // The user's configuration folder may not hold a folder for the program yet.
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (!QFileInfo::exists(folder) && !QDir().mkpath(folder))
        throw InOutError(lastFileError());

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw InOutError(lastFileError());
    // commit() misses a failed final flush and ignores a failed sync, so both are checked here.
    // Without a commit, the save file discards the new text and the old file stays.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
        throw InOutError(lastFileError());
    errno = 0;
    if (!file.commit())
        throw InOutError(lastFileError());
}
