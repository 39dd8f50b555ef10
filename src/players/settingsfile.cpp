#include "players/settingsfile.h"

#include "base/errors.h"
#include "players/settingslines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
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

// Opens the file for writing and locks it, so that two copies of the game saving at once cannot
// mix their texts. The save that held the lock before may have renamed the file away meanwhile,
// so the lock counts only while the path still names the locked file. A file system without
// locks still saves, unlocked. Returns -1 with errno set when the file does not open.
int openLocked(const QByteArray &path, int flags)
{
    for (;;) {
        const int handle = ::open(path.constData(), flags | O_WRONLY | O_CLOEXEC, 0666);
        if (handle < 0)
            return handle;
        while (::flock(handle, LOCK_EX) != 0 && errno == EINTR) { }
        if (namesFile(path, handle))
            return handle;
        ::close(handle);
    }
}

// A file system that cannot sync at all says so with EINVAL, ENOTSUP or ENOSYS; the text is then
// as safe as that file system keeps anything, and the save goes on.
bool syncedToDisk(int handle)
{
    return ::fsync(handle) == 0 || errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
}

// Truncated only now, under the lock: a truncation on opening could cut another save's text.
void writeWhole(int handle, const QByteArray &bytes)
{
    if (::ftruncate(handle, 0) != 0)
        throw lastFileError();
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written
                = ::write(handle, bytes.constData() + done, size_t(bytes.size() - done));
        if (written > 0)
            done += written;
        else if (written == 0 || errno != EINTR)
            throw written == 0 ? InOutError(InOutError::DiskFull) : lastFileError();
    }
    if (!syncedToDisk(handle))
        throw lastFileError();
}

// The new file takes the old one's permissions; the first save's file takes the umask's.
void keepPermissions(const QByteArray &settings, int handle)
{
    struct stat old = {};
    if (::stat(settings.constData(), &old) == 0 && ::fchmod(handle, old.st_mode & 07777) != 0)
        throw lastFileError();
}

// The new name of the file is on disk only once its folder is; a folder that cannot be synced
// leaves the new name as safe as that file system keeps anything.
void syncFolder(const QByteArray &folder)
{
    const OpenFile file(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (file.handle() >= 0)
        ::fsync(file.handle());
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

    // A settings file that links to a file elsewhere stays a link: the file it names is replaced.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString target = canonical.isEmpty() ? path : canonical;
    const QByteArray name = QFile::encodeName(target);
    const QByteArray saving = name + SavingSuffix;
    // A settings file that the player made read-only is kept as it is.
    if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        throw lastFileError();
    OpenFile file(openLocked(saving, O_CREAT));
    if (file.handle() < 0) {
        const int error = errno;
        // A folder that takes no new file can still hold a writable settings file: that one is
        // rewritten in place, without the rename that a crash cannot cut.
        OpenFile inPlace(error == EACCES ? openLocked(name, 0) : -1);
        if (inPlace.handle() < 0)
            throw InOutError::fromSystemError(error);
        writeWhole(inPlace.handle(), bytes);
        inPlace.close();
        return;
    }
    try {
        keepPermissions(name, file.handle());
        writeWhole(file.handle(), bytes);
        // Renamed while still open and locked, so that no other save can cut the text first.
        if (::rename(saving.constData(), name.constData()) != 0)
            throw lastFileError();
    } catch (const InOutError &) {
        // Still locked, the name is still this save's file.
        ::unlink(saving.constData());
        throw;
    }
    syncFolder(QFile::encodeName(QFileInfo(target).absolutePath()));
    file.close();
}
