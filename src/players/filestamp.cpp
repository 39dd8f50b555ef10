#include "players/filestamp.h"

#include <sys/stat.h>

namespace {

FileStamp stampFrom(const struct stat &status)
{
    if (!S_ISREG(status.st_mode))
        return {};
    return {FileStamp::State::Known, quint64(status.st_dev),        quint64(status.st_ino),
            qint64(status.st_size),  qint64(status.st_mtim.tv_sec), qint64(status.st_mtim.tv_nsec)};
}

} // namespace

FileStamp stampOf(int handle)
{
    struct stat status = {};
    return ::fstat(handle, &status) == 0 ? stampFrom(status) : FileStamp::unread();
}

FileStamp stampAt(const QByteArray &path)
{
    struct stat status = {};
    return ::stat(path.constData(), &status) == 0 ? stampFrom(status) : FileStamp();
}
