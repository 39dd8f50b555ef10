#include "players/settingsfile.h"

#include "base/errors.h"
#include "players/settingslines.h"
#include "players/settingslocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// A save writes the new text to the settings file's name plus this ending, beside it, and renames
// that file over the old one. The name is the program's own, so a file that a killed save left
// behind is simply overwritten and renamed away by the next save, and no file of the player's is
// ever touched.
constexpr char SavingSuffix[] = ".saving";
constexpr char UnreadableSuffix[] = ".unreadable";
// Only a file system that reports another identity for the file each time, or a crowd of saves
// that keep renaming it, could make a save lose the race for its lock this often.
constexpr int LockAttempts = 100;
constexpr int KeptNames = 1000;

// The error of a file call that has just failed, from errno read at once. Callers clear errno
// before a Qt call: Qt refuses some files (a directory, a read-only file) without a failing
// system call, and those are denied access.
InOutError lastFileError()
{
    const int error = errno;
    return error == 0 ? InOutError(InOutError::FileAccessDenied)
                      : InOutError::fromSystemError(error);
}

// An open file of the save; closing it also gives up its lock.
class OpenFile
{
public:
    explicit OpenFile(int handle) : m_handle(handle) { }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;
    ~OpenFile()
    {
        if (m_handle >= 0)
            ::close(m_handle);
    }

    int handle() const { return m_handle; }

    void close()
    {
        if (::close(std::exchange(m_handle, -1)) != 0)
            throw lastFileError();
    }

private:
    int m_handle;
};

bool namesFile(const QByteArray &path, int handle)
{
    struct stat named = {};
    struct stat open = {};
    return ::stat(path.constData(), &named) == 0 && ::fstat(handle, &open) == 0
            && named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

// A file of the save's own: a regular file under no other name, so writing it changes nothing
// else.
bool isOwnFile(int handle)
{
    struct stat status = {};
    return ::fstat(handle, &status) == 0 && S_ISREG(status.st_mode) && status.st_nlink == 1;
}

// Opens the file for writing and locks it, so that two copies of the game saving at once cannot
// mix their texts. The save that held the lock before may have renamed the file away meanwhile,
// so the lock counts only while the path still names the locked file. With O_NOFOLLOW the file
// is the save's own: a link or anything else found under its name is removed, never followed or
// written, and the file made afresh. A file system without locks still saves, unlocked. Returns
// -1 with errno set when the file does not open, or EIO when no attempt holds on to it.
int openLocked(const QByteArray &path, int flags)
{
    const bool ownFile = (flags & O_NOFOLLOW) != 0;
    for (int attempt = 0; attempt < LockAttempts; ++attempt) {
        // Not blocked by a pipe that someone put in the file's place.
        const int handle
                = ::open(path.constData(), flags | O_WRONLY | O_NONBLOCK | O_CLOEXEC, 0666);
        if (handle < 0) {
            const int error = errno;
            // What holds the name and cannot be opened as the save's file: a link, or the file
            // of another user's killed save.
            if (ownFile && (error == ELOOP || error == EACCES) && ::unlink(path.constData()) == 0)
                continue;
            errno = error;
            return handle;
        }
        while (::flock(handle, LOCK_EX) != 0 && errno == EINTR) { }
        if (namesFile(path, handle)) {
            if (!ownFile || isOwnFile(handle))
                return handle;
            ::unlink(path.constData());
        }
        ::close(handle);
    }
    errno = EIO;
    return -1;
}

// A file system that cannot sync at all says so with EINVAL, ENOTSUP or ENOSYS; the text is then
// as safe as that file system keeps anything, and the save goes on.
bool syncedToDisk(int handle)
{
    return ::fsync(handle) == 0 || errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
}

void writeAt(int handle, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written
                = ::pwrite(handle, bytes.constData() + done, size_t(bytes.size() - done), done);
        if (written > 0)
            done += written;
        else if (written == 0 || errno != EINTR)
            throw written == 0 ? InOutError(InOutError::DiskFull) : lastFileError();
    }
}

// Truncated only now, under the lock: a truncation on opening could cut another save's text.
void writeWhole(int handle, const QByteArray &bytes)
{
    if (::ftruncate(handle, 0) != 0)
        throw lastFileError();
    writeAt(handle, bytes);
    if (!syncedToDisk(handle))
        throw lastFileError();
}

// The old text is never cut first: the space for the new one is reserved before the first byte,
// so that a full disk fails the save with the old file whole, and the old length goes only once
// the new text is all there. A file system that reserves nothing still writes in that order.
void writeInPlace(int handle, const QByteArray &bytes)
{
    if (!bytes.isEmpty() && ::fallocate(handle, 0, 0, bytes.size()) != 0 && errno != EOPNOTSUPP
        && errno != ENOSYS)
        throw lastFileError();
    writeAt(handle, bytes);
    if (::ftruncate(handle, bytes.size()) != 0 || !syncedToDisk(handle))
        throw lastFileError();
}

// The new file takes the old one's owner, group and permissions, so that a file that a group
// shares stays theirs; the first save's file takes the user's and the umask's. Returns false when
// the owner and group cannot be kept, as for a file of another user.
bool keepOwnerAndPermissions(const QByteArray &settings, int handle)
{
    struct stat old = {};
    struct stat made = {};
    if (::stat(settings.constData(), &old) != 0)
        return true;
    if (::fstat(handle, &made) != 0)
        throw lastFileError();
    if ((old.st_uid != made.st_uid || old.st_gid != made.st_gid)
        && ::fchown(handle, old.st_uid, old.st_gid) != 0)
        return false;
    if (::fchmod(handle, old.st_mode & 07777) != 0)
        throw lastFileError();
    return true;
}

// The new name of the file is on disk only once its folder is; a folder that cannot be synced
// leaves the new name as safe as that file system keeps anything.
void syncFolder(const QByteArray &folder)
{
    const OpenFile file(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (file.handle() >= 0)
        ::fsync(file.handle());
}

// Gives the file a second name that no other file has, and takes the first one away. Returns 0
// or the error number.
int moveToFreeName(const QByteArray &name, const QByteArray &kept)
{
    if (::renameat2(AT_FDCWD, name.constData(), AT_FDCWD, kept.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without renames that never replace a file.
    if (::link(name.constData(), kept.constData()) != 0)
        return errno;
    return ::unlink(name.constData()) == 0 ? 0 : errno;
}

// Keeps a file that could not be read under a name of its own beside it, and returns that name.
QString keepUnreadableFile(const QByteArray &name)
{
    int error = EEXIST;
    for (int number = 0; number < KeptNames && error == EEXIST; ++number) {
        QByteArray kept = name + UnreadableSuffix;
        if (number > 0)
            kept += '.' + QByteArray::number(number);
        error = moveToFreeName(name, kept);
        if (error == 0)
            return QFile::decodeName(kept);
    }
    throw TovikError(
            QStringLiteral("The settings file %1 could not be read and could not be kept "
                           "under another name (%2), so nothing was saved")
                    .arg(QFile::decodeName(name), InOutError::fromSystemError(error).message()));
}

// Under the save's lock: the file's text when it changed since held, or nothing. A file that
// cannot be read is kept aside first, so that the save never writes over it.
std::optional<QByteArray> changedText(const QByteArray &name, const FileStamp &held,
                                      QString *keptAs)
{
    const FileStamp now = stampAt(name);
    if (now == held || now.state != FileStamp::State::Known)
        return std::nullopt;
    try {
        return readSettingsFile(QFile::decodeName(name));
    } catch (const InOutError &) {
        *keptAs = keepUnreadableFile(name);
        return std::nullopt;
    }
}

// Rewrites the file in place, under a lock of its own, when a new file cannot take its place.
FileStamp saveInPlace(const QByteArray &name, int openError, const QByteArray &bytes)
{
    OpenFile file(openLocked(name, 0));
    // A missing file fails as the new file did, for the reason that it could not be made.
    if (file.handle() < 0)
        throw InOutError::fromSystemError(errno == ENOENT ? openError : errno);
    writeInPlace(file.handle(), bytes);
    const FileStamp stamp = stampOf(file.handle());
    file.close();
    return stamp;
}

} // namespace

bool settingsFileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

QByteArray readSettingsFile(const QString &path, FileStamp *stamp)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw lastFileError();
    if (stamp)
        *stamp = stampOf(file.handle());
    errno = 0;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw lastFileError();
    return bytes;
}

SavedSettingsFile writeSettingsFile(const QString &path, const FileStamp &held,
                                    const SettingsComposer &compose)
{
    const QString target = settingsFileTarget(path);
    // The user's configuration folder may not hold a folder for the program yet.
    const QString folder = QFileInfo(target).absolutePath();
    errno = 0;
    if (!QFileInfo::exists(folder) && !QDir().mkpath(folder))
        throw lastFileError();

    const QByteArray name = QFile::encodeName(target);
    const QByteArray saving = name + SavingSuffix;
    // A settings file that the player made read-only is kept as it is.
    if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        throw lastFileError();
    SavedSettingsFile saved;
    OpenFile file(openLocked(saving, O_CREAT | O_NOFOLLOW));
    if (file.handle() < 0) {
        // A folder that takes no new file can still hold a writable settings file: that one is
        // rewritten in place, without the rename that a crash cannot cut.
        const int error = errno;
        if (error != EACCES)
            throw InOutError::fromSystemError(error);
        const QStringList lines = compose(changedText(name, held, &saved.keptAs));
        saved.stamp = saveInPlace(name, error, settingsText(lines));
        return saved;
    }
    try {
        const QByteArray bytes = settingsText(compose(changedText(name, held, &saved.keptAs)));
        if (!keepOwnerAndPermissions(name, file.handle())) {
            // Still locked, the name is still this save's file.
            ::unlink(saving.constData());
            file.close();
            saved.stamp = saveInPlace(name, EPERM, bytes);
            return saved;
        }
        writeWhole(file.handle(), bytes);
        saved.stamp = stampOf(file.handle());
        // Renamed while still open and locked, so that no other save can cut the text first.
        if (::rename(saving.constData(), name.constData()) != 0)
            throw lastFileError();
    } catch (const TovikError &) {
        if (file.handle() >= 0)
            ::unlink(saving.constData());
        throw;
    }
    syncFolder(QFile::encodeName(folder));
    file.close();
    return saved;
}

FileStamp writeSettingsFile(const QString &path, const QStringList &lines)
{
    return writeSettingsFile(path, {},
                             [&lines](const std::optional<QByteArray> &) { return lines; })
            .stamp;
}
