#pragma once

#include "history/gamerecord.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

class Game;

// Makes the history's record of each game that a Game plays: finished when it ends with its
// last commit, unfinished when it is left for a new game or when the run ends, with what it had.
// The player and the start are taken when the game starts, since a different player is accepted
// before the old game is left. A game that has not rolled yet is never recorded.
class GameRecorder : public QObject
{
    Q_OBJECT

public:
    GameRecorder(const Game &game, std::function<QString()> currentPlayer,
                 QObject *parent = nullptr);

    // Records the game under way, if any, as left unfinished: for the end of the run.
    void recordUnfinished();

Q_SIGNALS:
    void recorded(const GameRecord &game);

private:
    void recordGame(bool finished);

    const Game &m_game;
    std::function<QString()> m_currentPlayer;
    QString m_player;
    QDateTime m_startedAt;
};
