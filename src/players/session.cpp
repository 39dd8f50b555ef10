#include "players/session.h"

Session::Session(QObject *parent) : QObject(parent) { }

void Session::setPlayerName(const QString &name)
{
    if (name == m_playerName)
        return;
    m_playerName = name;
    Q_EMIT playerNameChanged(m_playerName);
}

void Session::setRoster(const QStringList &names)
{
    if (names == m_roster)
        return;
    m_roster = names;
    Q_EMIT rosterChanged(m_roster);
}

void Session::setRecordScore(qint32 score)
{
    if (score == m_recordScore)
        return;
    m_recordScore = score;
    Q_EMIT recordChanged();
}

void Session::setRecordHolder(const QString &holder)
{
    if (holder == m_recordHolder)
        return;
    m_recordHolder = holder;
    Q_EMIT recordChanged();
}

void Session::setRecordKnown(bool known)
{
    if (known == m_recordKnown)
        return;
    m_recordKnown = known;
    Q_EMIT recordChanged();
}

void Session::setColors(Color start, Color end)
{
    if (start == m_startColor && end == m_endColor)
        return;
    m_startColor = start;
    m_endColor = end;
    Q_EMIT colorsChanged(m_startColor, m_endColor);
}

void Session::setAnimation(bool on)
{
    if (on == m_animation)
        return;
    m_animation = on;
    Q_EMIT animationChanged(m_animation);
}

void Session::setGameStarted(bool started)
{
    if (started == m_gameStarted)
        return;
    m_gameStarted = started;
    Q_EMIT gameStartedChanged(m_gameStarted);
}

void Session::setSettingsPath(const QString &path)
{
    if (path == m_settingsPath)
        return;
    m_settingsPath = path;
    m_settingsStamp = {};
    Q_EMIT settingsPathChanged(m_settingsPath);
}
