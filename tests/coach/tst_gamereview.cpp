#include "coach/gamereview.h"
#include "coach/tablesolver.h"
#include "game/game.h"

#include <QTest>

namespace {

constexpr quint16 AllButChance = AllCategories & ~categoryBit(Category::Chance);

// Twelve turns scored at their first roll, then a last turn with only Chance open, where the
// best play is worked out die by die: with one roll left a die is worth keeping above 3.5, with
// two rolls left above 4.25 (the mean of max(face, 3.5)). In the last turn the player holds 4 5
// where 5 alone is best (21.75 against 22), then 5 6 where 4 5 6 is best (21.5 against 22),
// toggling die 1 on and off on the way, which must count as no change.
const QString PlayedGame = QStringLiteral(
        "v1 r12346 s0 c r12346 s1 c r12346 s2 c r12346 s3 c r12346 s4 c r12346 s5 c r12346 s6 c "
        "r12346 s7 c r12346 s8 c r12346 s9 c r12346 s10 c r12346 s12 c "
        "r12345 h4 h5 r12645 h4 h3 h1 h1 r34625 s11 c");

GameLog logOf(const QString &text)
{
    const std::optional<GameLog> log = Game::readLog(text);
    if (!log)
        qFatal("the test's game log is refused");
    return *log;
}

} // namespace

class TestGameReview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void valuesEachFinalChoiceAgainstTheBest();
    void stopsWhereTheTableCannotValue();

private:
    std::optional<ValueTable> m_wholeGame;
};

void TestGameReview::initTestCase()
{
    m_wholeGame = TableSolver().solve(2);
    QVERIFY(m_wholeGame);
}

void TestGameReview::valuesEachFinalChoiceAgainstTheBest()
{
    const GameReview review = reviewGame(*m_wholeGame, logOf(PlayedGame));
    QVERIFY(review.valued);
    QCOMPARE(review.turns.size(), std::size_t(13));
    QCOMPARE(review.choiceCount(), 12 + 3);

    const ReviewedTurn &last = review.turns.back();
    QCOMPARE(last.rolls, (std::vector<Dice> {{1, 2, 3, 4, 5}, {1, 2, 6, 4, 5}, {3, 4, 6, 2, 5}}));
    QCOMPARE(last.choices.size(), std::size_t(3));
    const ReviewedChoice &first = last.choices[0];
    QCOMPARE(first.turn, 13);
    QCOMPARE(first.rollsLeft, 2);
    QCOMPARE(first.made.heldDice, (std::vector<qint32> {4, 5}));
    QCOMPARE(first.best.heldDice, (std::vector<qint32> {5}));
    QVERIFY(qAbs(first.cost() - 0.25) < 1e-9);

    const ReviewedChoice &second = last.choices[1];
    QCOMPARE(second.rollsLeft, 1);
    QCOMPARE(second.made.heldDice, (std::vector<qint32> {5, 6}));
    QCOMPARE(second.best.heldDice, (std::vector<qint32> {4, 5, 6}));
    QVERIFY(qAbs(second.cost() - 0.5) < 1e-9);

    const ReviewedChoice &commit = last.choices[2];
    QCOMPARE(commit.made.kind, Choice::Kind::Score);
    QCOMPARE(commit.made.category, Category::Chance);
    QCOMPARE(commit.made.points, 20);
    QCOMPARE(commit.cost(), 0.0);
    QCOMPARE(review.lastChoice(), &commit);

    // The twelve quick commits took 1 + 2 + 3 + 4 + 0 + 6 in the upper section and 30 for the
    // small straight 1 2 3 4.
    QCOMPARE(first.scoreBefore, 46);
}

void TestGameReview::stopsWhereTheTableCannotValue()
{
    const std::optional<ValueTable> lastTurnOnly = TableSolver(AllButChance).solve(1);
    QVERIFY(lastTurnOnly);
    const GameReview review = reviewGame(*lastTurnOnly, logOf(PlayedGame));
    QVERIFY(!review.valued);
    QCOMPARE(review.choiceCount(), 0);
    QCOMPARE(review.lastChoice(), nullptr);
}

QTEST_GUILESS_MAIN(TestGameReview)
#include "tst_gamereview.moc"
