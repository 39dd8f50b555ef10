#include "players/settingslocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <climits>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// As many links in a row as the system itself follows before it gives up on a loop.
constexpr int MostLinksFollowed = 40;

QString namedSettingsFile;

// The system's own answer for the user at hand, ACLs and read-only mounts included.
bool isAllowed(const QString &path, int mode)
{
    return ::access(QFile::encodeName(path).constData(), mode) == 0;
}

// The absolute path with its folder's links resolved, where that folder exists.
QString withCanonicalFolder(const QString &path)
{
    const QFileInfo file(path);
    const QString folder = file.dir().canonicalPath();
    return folder.isEmpty() ? file.absoluteFilePath() : folder + u'/' + file.fileName();
}

// What the symbolic link points to, or an empty text when the path is no link.
QString linkContents(const QString &path)
{
    char contents[PATH_MAX];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), contents, PATH_MAX);
    return length > 0 && length < PATH_MAX ? QFile::decodeName(QByteArray(contents, length))
                                           : QString();
}

QString userConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/tovik"_s;
}

} // namespace

void nameSettingsFile(const QString &path)
{
    namedSettingsFile = path;
}

QString settingsFileLocation()
{
    return chooseSettingsFile(namedSettingsFile, QCoreApplication::applicationDirPath(),
                              userConfigFolder());
}

bool isSettingsFileInConfigFolder(const QString &path)
{
    return namedSettingsFile.isEmpty() && path == userConfigFolder() + u"/settings.cfg"_s;
}

QString chooseSettingsFile(const QString &namedFile, const QString &programFolder,
                           const QString &configFolder)
{
    if (!namedFile.isEmpty())
        return namedFile;
    const QString besideProgram = programFolder + u"/settings.cfg"_s;
    if (isAllowed(programFolder, W_OK) || isAllowed(besideProgram, W_OK)
        || isAllowed(besideProgram, R_OK))
        return besideProgram;
    return configFolder + u"/settings.cfg"_s;
}

QString settingsFileTarget(const QString &path)
{
    QString file = withCanonicalFolder(path);
    for (int link = 0; link < MostLinksFollowed; ++link) {
        const QString contents = linkContents(file);
        if (contents.isEmpty())
            break;
        // A relative link is read from the link's own folder.
        file = withCanonicalFolder(QFileInfo(file).dir().absoluteFilePath(contents));
    }
    return file;
}
