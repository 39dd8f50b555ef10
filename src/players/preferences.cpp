#include "players/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString CoachKey = QStringLiteral("coach");

} // namespace

QString preferencesPath(const QString &settingsPath)
{
    return QFileInfo(settingsPath).dir().filePath(QStringLiteral("preferences.ini"));
}

bool readCoachSwitch(const QString &settingsPath)
{
    const QSettings preferences(preferencesPath(settingsPath), QSettings::IniFormat);
    // Only the word the program writes counts; anything else leaves the switch off.
    return preferences.status() == QSettings::NoError
            && preferences.value(CoachKey).toString() == QLatin1String("true");
}

void writeCoachSwitch(const QString &settingsPath, bool on)
{
    QSettings preferences(preferencesPath(settingsPath), QSettings::IniFormat);
    preferences.setValue(CoachKey, on);
}
