#include "history/historystatistics.h"
#include "historytesting.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

GameRecord game(const QString &player, qint32 score, int minute, bool finished = true)
{
    GameRecord record = sampleGame(player, score, minute);
    record.finished = finished;
    record.points = {};
    record.upperBonus = 0;
    record.extraBonus = 0;
    record.id = minute;
    return record;
}

// Four games whose figures are worked out by hand in the test below.
QList<GameRecord> fourGames()
{
    GameRecord first = game(u"Ann"_s, 200, 1);
    first.upperBonus = 35;
    first.setPoints(Category::FiveOfAKind, 50);
    first.extraBonus = 100;
    first.coachCost = CoachCost {10.0, 40};
    GameRecord second = game(u"Bob"_s, 150, 2);
    second.setPoints(Category::FiveOfAKind, 0);
    second.coachCost = CoachCost {5.0, 35};
    GameRecord third = game(u"Ann"_s, 301, 3);
    third.upperBonus = 35;
    GameRecord left = game(u"Ann"_s, 80, 4, false);
    left.setPoints(Category::FiveOfAKind, 50);
    left.coachCost = CoachCost {40.0, 10};
    return {left, third, second, first};
}

} // namespace

class TestHistoryStatistics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void figuresOfFourGames();
    void figuresWithoutFinishedGames();
    void medianOfAnEvenCountIsTheMiddlePairsMean();
    void histogramBinsRunWithoutGaps();
    void movingAverageTakesTheLastGamesInTheOrderTheyEnded();
    void gamesAreChosenByPlayer();
};

void TestHistoryStatistics::figuresOfFourGames()
{
    const HistoryFigures figures = historyFigures(fourGames());
    QCOMPARE(figures.played, 4);
    QCOMPARE(figures.finished, 3);
    // (200 + 150 + 301) / 3
    QCOMPARE(figures.averageScore, 217.0);
    QCOMPARE(figures.medianScore, 200.0);
    QCOMPARE(figures.bestScore, 301);
    QCOMPARE(figures.worstScore, 150);
    // Deviations -17, -67 and 84: (289 + 4489 + 7056) / 2 = 5917.
    QVERIFY(std::abs(*figures.standardDeviation - 76.92204) < 1e-5);
    QCOMPARE(figures.upperBonusShare, 2.0 / 3.0);
    // The first game's 50 and +100, and the 50 of the game left unfinished.
    QCOMPARE(figures.fivesOfAKind, 3);
    // The unfinished game's cost does not count: (10 + 5) / 2 games and 15 / 75 choices.
    QCOMPARE(figures.coachCostPerGame, 7.5);
    QCOMPARE(figures.coachCostPerChoice, 0.2);
}

void TestHistoryStatistics::figuresWithoutFinishedGames()
{
    const HistoryFigures figures = historyFigures({game(u"Ann"_s, 80, 4, false)});
    QCOMPARE(figures.played, 1);
    QCOMPARE(figures.finished, 0);
    QVERIFY(!figures.averageScore && !figures.medianScore && !figures.bestScore);
    QVERIFY(!figures.standardDeviation && !figures.upperBonusShare);
    QVERIFY(!figures.coachCostPerGame && !figures.coachCostPerChoice);
    QVERIFY(scoreHistogram({game(u"Ann"_s, 80, 4, false)}).isEmpty());
}

void TestHistoryStatistics::medianOfAnEvenCountIsTheMiddlePairsMean()
{
    const QList<GameRecord> games = {game(u"Ann"_s, 250, 1), game(u"Ann"_s, 101, 2),
                                     game(u"Ann"_s, 300, 3), game(u"Ann"_s, 200, 4)};
    QCOMPARE(historyFigures(games).medianScore, 225.0);
    QVERIFY(!historyFigures({games.first()}).standardDeviation);
}

void TestHistoryStatistics::histogramBinsRunWithoutGaps()
{
    const QList<ScoreBin> bins = scoreHistogram(fourGames());
    QCOMPARE(bins,
             QList<ScoreBin>(
                     {{150, 1}, {175, 0}, {200, 1}, {225, 0}, {250, 0}, {275, 0}, {300, 1}}));
    QCOMPARE(scoreHistogram(fourGames(), 100), QList<ScoreBin>({{100, 1}, {200, 1}, {300, 1}}));
}

void TestHistoryStatistics::movingAverageTakesTheLastGamesInTheOrderTheyEnded()
{
    const QList<GameRecord> games
            = {game(u"Ann"_s, 50, 5), game(u"Ann"_s, 30, 3), game(u"Ann"_s, 99, 4, false),
               game(u"Ann"_s, 10, 1), game(u"Ann"_s, 40, 4), game(u"Ann"_s, 20, 2)};
    QList<qint32> scores;
    QList<double> averages;
    for (const ScoreAtTime &point : scoresOverTime(games, 3)) {
        scores.append(point.score);
        averages.append(point.movingAverage);
    }
    QCOMPARE(scores, QList<qint32>({10, 20, 30, 40, 50}));
    QCOMPARE(averages, QList<double>({10.0, 15.0, 20.0, 30.0, 40.0}));
}

void TestHistoryStatistics::gamesAreChosenByPlayer()
{
    QCOMPARE(gamesOf(fourGames(), u"Ann"_s).size(), 3);
    QCOMPARE(gamesOf(fourGames(), QString()).size(), 4);
    QCOMPARE(playersOf(fourGames()), QStringList({u"Ann"_s, u"Bob"_s}));
}

QTEST_APPLESS_MAIN(TestHistoryStatistics)
#include "tst_historystatistics.moc"
