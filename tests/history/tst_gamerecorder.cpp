#include "base/clock.h"
#include "game/game.h"
#include "history/gamerecorder.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Turn
{
    Dice dice;
    Category category;
};

// Five of a kind in every upper category after 50 in "Tovik!", so that each earns a +100 and the
// one that lifts the sub total to 63 earns +135; then six turns of 1 2 3 4 6 in the lower ones.
const QList<Turn> Turns = {
        {{6, 6, 6, 6, 6}, Category::FiveOfAKind},   {{6, 6, 6, 6, 6}, Category::Sixes},
        {{5, 5, 5, 5, 5}, Category::Fives},         {{4, 4, 4, 4, 4}, Category::Fours},
        {{3, 3, 3, 3, 3}, Category::Threes},        {{2, 2, 2, 2, 2}, Category::Twos},
        {{1, 1, 1, 1, 1}, Category::Ones},          {{1, 2, 3, 4, 6}, Category::ThreeOfAKind},
        {{1, 2, 3, 4, 6}, Category::FourOfAKind},   {{1, 2, 3, 4, 6}, Category::FullHouse},
        {{1, 2, 3, 4, 6}, Category::SmallStraight}, {{1, 2, 3, 4, 6}, Category::LargeStraight},
        {{1, 2, 3, 4, 6}, Category::Chance},
};

const QDateTime Start(QDate(2026, 12, 10), QTime(9, 30), Qt::UTC);

enum class Leaving { LastCommit, NewGame, EndOfRun };

using Points = QMap<Category, qint32>;

} // namespace

// The records a game leaves, with a game of chosen dice and a clock that the test moves.
class TestGameRecorder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { Clock::set({}); }

    void gameIsRecordedWithWhatItHad_data();
    void gameIsRecordedWithWhatItHad();
    void gameWithoutARollIsNotRecorded();

private:
    // Starts a game and commits the first turns; the next turn's dice have been rolled.
    void playTurns(int turns);

    std::unique_ptr<Game> m_game;
    QList<Dice> m_rolls;
    QString m_player;
    QDateTime m_now;
};

void TestGameRecorder::init()
{
    m_game = std::make_unique<Game>();
    m_game->setDiceSource([this](const Dice &, const HeldDice &) { return m_rolls.takeFirst(); });
    m_rolls.clear();
    for (const Turn &turn : Turns)
        m_rolls.append(turn.dice);
    m_player = u"Ann"_s;
    m_now = Start;
    Clock::set([this] { return m_now; });
}

void TestGameRecorder::playTurns(int turns)
{
    m_game->newGame();
    for (int turn = 0; turn < turns; ++turn) {
        m_now = m_now.addSecs(60);
        QVERIFY(m_game->select(Turns[turn].category));
        QVERIFY(m_game->roll());
    }
}

void TestGameRecorder::gameIsRecordedWithWhatItHad_data()
{
    QTest::addColumn<Leaving>("leaving");
    QTest::addColumn<int>("turns");
    QTest::addColumn<Points>("points");
    QTest::addColumn<qint32>("score");
    QTest::addColumn<qint32>("upperBonus");
    QTest::addColumn<qint32>("extraBonus");

    const Points firstThree
            = {{Category::FiveOfAKind, 50}, {Category::Sixes, 30}, {Category::Fives, 25}};
    Points all = firstThree;
    all.insert({{Category::Fours, 20},
                {Category::Threes, 15},
                {Category::Twos, 10},
                {Category::Ones, 5},
                {Category::ThreeOfAKind, 0},
                {Category::FourOfAKind, 0},
                {Category::FullHouse, 0},
                {Category::SmallStraight, 30},
                {Category::LargeStraight, 0},
                {Category::Chance, 16}});

    // 201 in the categories; +100 five times and +135 once.
    QTest::newRow("finished") << Leaving::LastCommit << 13 << all << 836 << 35 << 600;
    // The fourth turn's selection is still pending, and counts for nothing.
    QTest::newRow("new game in the middle")
            << Leaving::NewGame << 3 << firstThree << 305 << 0 << 200;
    QTest::newRow("end of the run") << Leaving::EndOfRun << 3 << firstThree << 305 << 0 << 200;
}

void TestGameRecorder::gameIsRecordedWithWhatItHad()
{
    QFETCH(Leaving, leaving);
    QFETCH(int, turns);
    QFETCH(Points, points);
    QFETCH(qint32, score);
    QFETCH(qint32, upperBonus);
    QFETCH(qint32, extraBonus);

    GameRecorder recorder(*m_game, [this] { return m_player; });
    QSignalSpy recorded(&recorder, &GameRecorder::recorded);
    playTurns(turns);
    // A game left is left a while after its last commit.
    const int leftAfter = leaving == Leaving::LastCommit ? 0 : 30;
    if (leaving != Leaving::LastCommit)
        QVERIFY(m_game->select(Category::Fours));
    m_now = m_now.addSecs(leftAfter);
    if (leaving == Leaving::NewGame)
        m_game->newGame();
    else if (leaving == Leaving::EndOfRun)
        recorder.recordUnfinished();

    QCOMPARE(recorded.size(), 1);
    const auto game = recorded.first().first().value<GameRecord>();
    QCOMPARE(game.id, qint64(0));
    QCOMPARE(game.player, u"Ann"_s);
    QCOMPARE(game.startedAt, Start);
    QCOMPARE(game.endedAt, Start.addSecs(60 * turns + leftAfter));
    QCOMPARE(game.finished, leaving == Leaving::LastCommit);
    QCOMPARE(game.score, score);
    for (int category = 0; category < CategoryCount; ++category) {
        const auto expected = points.contains(Category(category))
                ? std::optional(points[Category(category)])
                : std::nullopt;
        QCOMPARE(game.pointsIn(Category(category)), expected);
    }
    QCOMPARE(game.upperBonus, upperBonus);
    QCOMPARE(game.extraBonus, extraBonus);
    QVERIFY(game.log.startsWith(u"v1 r66666 s12 c r66666 s5 c r55555 s4 c r44444"_s));
    QVERIFY(!game.coachCost);
}

void TestGameRecorder::gameWithoutARollIsNotRecorded()
{
    GameRecorder recorder(*m_game, [this] { return m_player; });
    QSignalSpy recorded(&recorder, &GameRecorder::recorded);
    recorder.recordUnfinished();
    // Asked while the game's first roll waits for its dice.
    m_game->setDiceSource([&](const Dice &, const HeldDice &) {
        recorder.recordUnfinished();
        return Turns.first().dice;
    });
    m_game->newGame();
    QCOMPARE(recorded.size(), 0);
}

QTEST_GUILESS_MAIN(TestGameRecorder)
#include "tst_gamerecorder.moc"
