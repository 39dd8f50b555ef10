#pragma once

#include "game/scoring.h"

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The coach's verdict on one finished game: what its choices cost in all, and over how many
// final choices (each roll with its holds, each commit) that cost is spread.
struct CoachCost
{
    double total = 0.0;
    qint32 choices = 0;

    friend bool operator==(const CoachCost &, const CoachCost &) = default;
};

// One game as the history keeps it, finished or left in the middle.
struct GameRecord
{
    // The history's number for the game; 0 until the game has been written.
    qint64 id = 0;
    QString player;
    // Both in UTC; a game left unfinished ends when it is left.
    QDateTime startedAt;
    QDateTime endedAt;
    bool finished = false;
    qint32 score = 0;
    // The points each category took, by Category; empty while the category is unused, which a
    // category that took 0 points is not.
    std::array<std::optional<qint32>, CategoryCount> points {};
    qint32 upperBonus = 0;
    qint32 extraBonus = 0;
    // The game's actions in the game log's own text form, kept as it is so that the game can be
    // replayed; empty when the record was read without it.
    QString log;
    // Unknown until the coach has valued the game.
    std::optional<CoachCost> coachCost;

    std::optional<qint32> pointsIn(Category category) const
    {
        return points[std::size_t(category)];
    }
    void setPoints(Category category, qint32 value) { points[std::size_t(category)] = value; }

    friend bool operator==(const GameRecord &, const GameRecord &) = default;
};
