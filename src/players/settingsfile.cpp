#include "players/settingsfile.h"

#include "app/errors.h"
#include "players/settingslines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

constexpr qsizetype SaveFileSuffixLength = 6;

// The error of a file call that has just failed, from errno read at once. Callers clear errno
// before the call: Qt refuses some files (a directory, a read-only file) without a failing
// system call, and those are denied access.
InOutError lastFileError()
{
    const int error = errno;
    return error == 0 ? InOutError(InOutError::FileAccessDenied)
                      : InOutError::fromSystemError(error);
}

// A file system that cannot sync at all says so with EINVAL, ENOTSUP or ENOSYS; the text is then
// as safe as that file system keeps anything, and the save goes on.
bool syncedToDisk(int handle)
{
    return ::fsync(handle) == 0 || errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A save killed after its new text was given a name, but before it replaced the settings file,
// leaves that file behind: the settings file's name, a dot and six random letters. A later save
// clears such files away; where the folder takes no change, they stay.
void removeStaleSaveFiles(const QString &path)
{
    const QFileInfo settings(path);
    QDir folder = settings.dir();
    const QString pattern = settings.fileName() + u'.' + QString(SaveFileSuffixLength, u'?');
    for (const QString &name : folder.entryList(
                 {pattern}, QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive)) {
        const QStringView suffix = QStringView(name).last(SaveFileSuffixLength);
        if (std::all_of(suffix.begin(), suffix.end(), isAsciiLetter))
            folder.remove(name);
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
        throw lastFileError();
    errno = 0;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw lastFileError();
    return bytes;
}

void writeSettingsFile(const QString &path, const QStringList &lines)
{
    const QByteArray bytes = settingsText(lines);
    // The user's configuration folder may not hold a folder for the program yet.
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (!QFileInfo::exists(folder) && !QDir().mkpath(folder))
        throw lastFileError();

    QSaveFile file(path);
    // A folder that takes no new file can still hold a writable settings file: that one is
    // rewritten in place, without the replace that a crash cannot cut.
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw lastFileError();
    // commit() misses a failed final flush and ignores a failed sync, so both are checked here.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || !syncedToDisk(file.handle())) {
        const InOutError error = lastFileError();
        // A cancelled commit discards the new text, and closes a file written in place, which
        // the save file would otherwise remove when it is destroyed.
        file.cancelWriting();
        file.commit();
        throw error;
    }
    errno = 0;
    if (!file.commit())
        throw lastFileError();
    removeStaleSaveFiles(path);
}
