#pragma once

#include "history/gamerecord.h"

#include <QDateTime>
#include <QString>

// Games for the history's tests, each different in every column a test may look at.
inline GameRecord sampleGame(const QString &player, qint32 score, int minute = 0)
{
    GameRecord game;
    game.player = player;
    game.startedAt = QDateTime(QDate(2026, 12, 8), QTime(14, minute, 1, 250), Qt::UTC);
    game.endedAt = game.startedAt.addSecs(300);
    game.finished = true;
    game.score = score;
    game.setPoints(Category::Ones, 3);
    game.setPoints(Category::Chance, 0);
    game.setPoints(Category::FiveOfAKind, 50);
    game.upperBonus = 35;
    game.extraBonus = 100;
    game.log = QStringLiteral("r12345 h1 s12 c;") + player;
    return game;
}
