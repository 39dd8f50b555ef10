#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>

class GameWindow;

// Tells the player of each problem that the game history reports, once a run for each, in a
// notice over the window in use. A box never opens while the dice tumble, where it would stop
// them half-drawn: a problem reported then waits until they settle.
class HistoryNotices : public QObject
{
    Q_OBJECT

public:
    explicit HistoryNotices(const GameWindow &gameWindow, QObject *parent = nullptr);

    void tell(const QString &text);

private:
    void showWaiting();

    const GameWindow &m_gameWindow;
    QStringList m_waiting;
    QSet<QString> m_told;
    bool m_showing = false;
};
