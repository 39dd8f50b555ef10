#include "players/settingslocation.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString namedSettingsFile;

// The system's own answer for the user at hand, ACLs and read-only mounts included.
bool isWritable(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

} // namespace

void nameSettingsFile(const QString &path)
{
    namedSettingsFile = path;
}

QString settingsFileLocation()
{
    return chooseSettingsFile(
            namedSettingsFile, QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/tovik"_s);
}

QString chooseSettingsFile(const QString &namedFile, const QString &programFolder,
                           const QString &configFolder)
{
    if (!namedFile.isEmpty())
        return namedFile;
    const QString besideProgram = programFolder + u"/settings.cfg"_s;
    if (isWritable(programFolder) || isWritable(besideProgram))
        return besideProgram;
    return configFolder + u"/settings.cfg"_s;
}
