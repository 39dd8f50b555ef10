#pragma once

#include "base/color.h"
#include "players/filestamp.h"

#include <QObject>
#include <QString>
#include <QStringList>

// What the windows share for the whole run and the settings file keeps: the current player, the
// roster, the highest score and its holder, the background colours and the animation switch.
// The windows show it and change it through its setters, which do nothing when the value is
// unchanged and otherwise announce the change.
class Session : public QObject
{
    Q_OBJECT

public:
    explicit Session(QObject *parent = nullptr);

    const QString &playerName() const { return m_playerName; }
    void setPlayerName(const QString &name);

    // The roster names in file order, as the welcome window lists them.
    const QStringList &roster() const { return m_roster; }
    void setRoster(const QStringList &names);

    qint32 recordScore() const { return m_recordScore; }
    const QString &recordHolder() const { return m_recordHolder; }
    // Whether a highest score exists, which makes it worth viewing and saving.
    bool recordKnown() const { return m_recordKnown; }
    void setRecordScore(qint32 score);
    void setRecordHolder(const QString &holder);
    void setRecordKnown(bool known);

    Color startColor() const { return m_startColor; }
    Color endColor() const { return m_endColor; }
    void setColors(Color start, Color end);

    bool animation() const { return m_animation; }
    void setAnimation(bool on);

    // Whether a game has been started in this run; from then on the welcome window offers to
    // change the player rather than reading the settings file again.
    bool gameStarted() const { return m_gameStarted; }
    void setGameStarted(bool started);

    const QString &settingsPath() const { return m_settingsPath; }
    // A new path holds no stamp yet.
    void setSettingsPath(const QString &path);

    // The settings file as this session last read or wrote it, for a save to tell whether someone
    // else changed it since. Nothing shows it, so a change is not announced.
    const FileStamp &settingsStamp() const { return m_settingsStamp; }
    void setSettingsStamp(const FileStamp &stamp) { m_settingsStamp = stamp; }

Q_SIGNALS:
    void playerNameChanged(const QString &name);
    void rosterChanged(const QStringList &roster);
    void recordChanged();
    void colorsChanged(Color start, Color end);
    void animationChanged(bool on);
    void gameStartedChanged(bool started);
    void settingsPathChanged(const QString &path);

private:
    QString m_playerName;
    QStringList m_roster;
    qint32 m_recordScore = 0;
    QString m_recordHolder;
    bool m_recordKnown = false;
    Color m_startColor = Colors::Black;
    Color m_endColor = Colors::Black;
    bool m_animation = false;
    bool m_gameStarted = false;
    QString m_settingsPath;
    FileStamp m_settingsStamp;
};
