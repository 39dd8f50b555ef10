#include "history/historystatistics.h"

#include "game/bonus.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

QList<qint32> finishedScores(const QList<GameRecord> &games)
{
    QList<qint32> scores;
    for (const GameRecord &game : games) {
        if (game.finished)
            scores.append(game.score);
    }
    return scores;
}

double median(QList<qint32> scores)
{
    std::sort(scores.begin(), scores.end());
    const qsizetype middle = scores.size() / 2;
    if (scores.size() % 2 == 1)
        return scores[middle];
    return (double(scores[middle - 1]) + double(scores[middle])) / 2.0;
}

double sampleStandardDeviation(const QList<qint32> &scores, double mean)
{
    double squares = 0.0;
    for (const qint32 score : scores)
        squares += (score - mean) * (score - mean);
    return std::sqrt(squares / double(scores.size() - 1));
}

int fivesOfAKindIn(const GameRecord &game)
{
    const bool fiftyScored = game.pointsIn(Category::FiveOfAKind) == FiveOfAKindCategoryPoints;
    return (fiftyScored ? 1 : 0) + game.extraBonus / ExtraFiveOfAKindPoints;
}

void addScoreFigures(const QList<GameRecord> &games, HistoryFigures &figures)
{
    const QList<qint32> scores = finishedScores(games);
    figures.finished = int(scores.size());
    if (scores.isEmpty())
        return;
    double sum = 0.0;
    for (const qint32 score : scores)
        sum += score;
    const double mean = sum / double(scores.size());
    figures.averageScore = mean;
    figures.medianScore = median(scores);
    figures.bestScore = *std::max_element(scores.begin(), scores.end());
    figures.worstScore = *std::min_element(scores.begin(), scores.end());
    if (scores.size() > 1)
        figures.standardDeviation = sampleStandardDeviation(scores, mean);
    const auto withBonus = std::count_if(games.begin(), games.end(), [](const GameRecord &game) {
        return game.finished && game.upperBonus > 0;
    });
    figures.upperBonusShare = double(withBonus) / double(scores.size());
}

void addCoachFigures(const QList<GameRecord> &games, HistoryFigures &figures)
{
    int valued = 0;
    double cost = 0.0;
    qint64 choices = 0;
    for (const GameRecord &game : games) {
        if (!game.finished || !game.coachCost)
            continue;
        ++valued;
        cost += game.coachCost->total;
        choices += game.coachCost->choices;
    }
    if (valued > 0)
        figures.coachCostPerGame = cost / valued;
    if (choices > 0)
        figures.coachCostPerChoice = cost / double(choices);
}

} // namespace

HistoryFigures historyFigures(const QList<GameRecord> &games)
{
    HistoryFigures figures;
    figures.played = int(games.size());
    for (const GameRecord &game : games)
        figures.fivesOfAKind += fivesOfAKindIn(game);
    addScoreFigures(games, figures);
    addCoachFigures(games, figures);
    return figures;
}

QList<GameRecord> gamesOf(const QList<GameRecord> &games, const QString &player)
{
    if (player.isEmpty())
        return games;
    QList<GameRecord> chosen;
    for (const GameRecord &game : games) {
        if (game.player == player)
            chosen.append(game);
    }
    return chosen;
}

QStringList playersOf(const QList<GameRecord> &games)
{
    QStringList players;
    for (const GameRecord &game : games)
        players.append(game.player);
    players.sort();
    players.removeDuplicates();
    return players;
}

QList<ScoreBin> scoreHistogram(const QList<GameRecord> &games, qint32 binWidth)
{
    const QList<qint32> scores = finishedScores(games);
    if (scores.isEmpty())
        return {};
    const auto binOf = [binWidth](qint32 score) { return score / binWidth; };
    const qint32 first = binOf(*std::min_element(scores.begin(), scores.end()));
    const qint32 last = binOf(*std::max_element(scores.begin(), scores.end()));
    QList<ScoreBin> bins;
    for (qint32 bin = first; bin <= last; ++bin)
        bins.append({bin * binWidth, 0});
    for (const qint32 score : scores)
        ++bins[binOf(score) - first].games;
    return bins;
}

QList<ScoreAtTime> scoresOverTime(const QList<GameRecord> &games, int window)
{
    QList<const GameRecord *> finished;
    for (const GameRecord &game : games) {
        if (game.finished)
            finished.append(&game);
    }
    std::sort(finished.begin(), finished.end(), [](const GameRecord *a, const GameRecord *b) {
        return std::tie(a->endedAt, a->id) < std::tie(b->endedAt, b->id);
    });
    QList<ScoreAtTime> points;
    double windowSum = 0.0;
    for (qsizetype i = 0; i < finished.size(); ++i) {
        windowSum += finished[i]->score;
        if (i >= window)
            windowSum -= finished[i - window]->score;
        const qsizetype counted = std::min<qsizetype>(i + 1, window);
        points.append({finished[i]->endedAt, finished[i]->score, windowSum / double(counted)});
    }
    return points;
}
