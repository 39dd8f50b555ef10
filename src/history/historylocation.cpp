#include "history/historylocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

constexpr auto FileName = u"history.sqlite";

} // namespace

QString historyFileLocation(const QString &settingsPath, bool settingsInConfigFolder)
{
    // Qt reads $XDG_DATA_HOME here and falls back to ~/.local/share.
    return chooseHistoryFile(settingsPath, settingsInConfigFolder,
                             QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString chooseHistoryFile(const QString &settingsPath, bool settingsInConfigFolder,
                          const QString &dataFolder)
{
    if (settingsInConfigFolder)
        return dataFolder + u"/tovik/"_s + QString::fromUtf16(FileName);
    return QFileInfo(settingsPath).absoluteDir().filePath(QString::fromUtf16(FileName));
}
