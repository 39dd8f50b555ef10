#pragma once

#include "history/gamerecord.h"

#include <QList>
#include <QString>

#include <optional>

// The figures of a set of games. Every game counts as played, and its fives of a kind as
// scored, whether it was finished or left; the score figures and the bonus share count the
// finished games only, since a game left in the middle has no final score; the coach's figures
// count the finished games the coach has valued.
struct HistoryFigures
{
    int played = 0;
    int finished = 0;
    // Empty without a finished game.
    std::optional<double> averageScore;
    std::optional<double> medianScore;
    std::optional<qint32> bestScore;
    std::optional<qint32> worstScore;
    // The sample standard deviation, which needs two finished games.
    std::optional<double> standardDeviation;
    // The share of finished games that earned the +35, from 0 to 1.
    std::optional<double> upperBonusShare;
    // Each 50 in the five-of-a-kind category, and each +100.
    int fivesOfAKind = 0;
    // The coach's cost per valued game, and per final choice over all valued games.
    std::optional<double> coachCostPerGame;
    std::optional<double> coachCostPerChoice;
};

HistoryFigures historyFigures(const QList<GameRecord> &games);

// The games of one player, in their order; all games when the name is empty.
QList<GameRecord> gamesOf(const QList<GameRecord> &games, const QString &player);

// Every player with a game, in alphabetical order.
QStringList playersOf(const QList<GameRecord> &games);

// The finished games' final scores in bins of one width: each bin holds the scores from its
// lowest up to the next bin's lowest, which are multiples of the width; the bins run without a
// gap from the lowest score's bin to the highest's.
struct ScoreBin
{
    qint32 lowest = 0;
    int games = 0;

    friend bool operator==(const ScoreBin &, const ScoreBin &) = default;
};

inline constexpr qint32 ScoreBinWidth = 25;

QList<ScoreBin> scoreHistogram(const QList<GameRecord> &games, qint32 binWidth = ScoreBinWidth);

// The finished games' scores in the order the games ended, each with the average of its own
// score and those of up to window - 1 games before it.
struct ScoreAtTime
{
    QDateTime endedAt;
    qint32 score = 0;
    double movingAverage = 0.0;
};

inline constexpr int MovingAverageGames = 20;

QList<ScoreAtTime> scoresOverTime(const QList<GameRecord> &games, int window = MovingAverageGames);
