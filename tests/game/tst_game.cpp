#include "game/game.h"
#include "game/random.h"
#include "gameplayer.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

struct Turn
{
    Dice dice;
    Category category;
};
using Turns = QList<Turn>;

constexpr Dice FiveSixes = {6, 6, 6, 6, 6};
constexpr Dice Mixed = {1, 2, 3, 4, 6};

// Sorted, the rolls that score a small straight: four in a row, or 1-2-3-5-6 and 1-2-4-5-6.
const QStringList SmallStraights
        = {u"11234"_s, u"12234"_s, u"12334"_s, u"12344"_s, u"12345"_s, u"12346"_s,
           u"12356"_s, u"12456"_s, u"13456"_s, u"22345"_s, u"23345"_s, u"23445"_s,
           u"23455"_s, u"23456"_s, u"33456"_s, u"34456"_s, u"34556"_s, u"34566"_s};

// The scorer of this test, written from the rules rather than from the game's code: what a
// category is worth for five dice.
qint32 worth(Category category, Dice dice)
{
    std::sort(dice.begin(), dice.end());
    QString sorted;
    std::array<int, 7> counts {};
    for (qint32 value : dice) {
        sorted += QString::number(value);
        ++counts[std::size_t(value)];
    }
    const qint32 sum = std::accumulate(dice.begin(), dice.end(), 0);
    const int most = *std::max_element(counts.begin(), counts.end());
    const bool hasThree = std::count(counts.begin(), counts.end(), 3) == 1;
    const bool hasTwo = std::count(counts.begin(), counts.end(), 2) == 1;
    switch (category) {
    case Category::ThreeOfAKind:
        return most >= 3 ? sum : 0;
    case Category::FourOfAKind:
        return most >= 4 ? sum : 0;
    case Category::FullHouse:
        return hasThree && hasTwo ? 25 : 0;
    case Category::SmallStraight:
        return SmallStraights.contains(sorted) ? 30 : 0;
    case Category::LargeStraight:
        return sorted == u"12345" || sorted == u"23456" ? 40 : 0;
    case Category::Chance:
        return sum;
    case Category::FiveOfAKind:
        return most == 5 ? 50 : 0;
    default:
        return counts[std::size_t(category) + 1] * (int(category) + 1);
    }
}

// The final score of the commits made, each with the dice it took: the upper section's +35 once
// it reaches 63, and +100 for every five of a kind after a first 50 in "Tovik!".
qint32 finalScore(const Turns &commits)
{
    qint32 score = 0;
    qint32 upper = 0;
    bool subTotalBonus = false;
    bool fiftyScored = false;
    for (const Turn &turn : commits) {
        const qint32 points = worth(turn.category, turn.dice);
        score += points;
        if (turn.category <= Category::Sixes)
            upper += points;
        const bool fiveOfAKind = std::all_of(turn.dice.begin(), turn.dice.end(),
                                             [&](qint32 value) { return value == turn.dice[0]; });
        if (fiftyScored && fiveOfAKind)
            score += 100;
        if (!subTotalBonus && upper >= 63) {
            score += 35;
            subTotalBonus = true;
        }
        if (turn.category == Category::FiveOfAKind && points == 50)
            fiftyScored = true;
    }
    return score;
}

// Each turn rolls once, showing its dice, and commits its category; the last commit's press
// rolls Mixed unless it ends the game.
QList<Bonus> playTurns(Game &game, const Turns &turns)
{
    qsizetype next = 0;
    game.setDiceSource([&](const Dice &, const HeldDice &) {
        return next < turns.size() ? turns[next++].dice : Mixed;
    });
    QSignalSpy commits(&game, &Game::committed);
    game.newGame();
    for (const Turn &turn : turns) {
        game.select(turn.category);
        game.roll();
    }
    game.setDiceSource({});
    QList<Bonus> bonuses;
    for (const QList<QVariant> &commit : commits)
        bonuses.append(commit.at(2).value<Bonus>());
    return bonuses;
}

// Thirteen turns of Mixed, scored in the order of the categories.
Turns mixedInEveryCategory()
{
    Turns turns;
    for (int i = 0; i < CategoryCount; ++i)
        turns.append({Mixed, Category(i)});
    return turns;
}

} // namespace

Q_DECLARE_METATYPE(Turns)

class TestGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thirteenCommitsEndTheGame();
    void aNewGameAbandonsOnlyAnUnfinishedOne();
    void aTurnRollsThreeTimesAndHeldDiceStay();
    void secondSelectionIsRefusedAndNotLogged();
    void commitsGrantTheirBonuses_data();
    void commitsGrantTheirBonuses();
    void randomGamesScoreAsTheRulesSay();
};

void TestGame::thirteenCommitsEndTheGame()
{
    Game game;
    QSignalSpy ended(&game, &Game::ended);
    QVERIFY(!game.roll() && !game.toggleHold(0) && !game.select(Category::Ones));
    playTurns(game, mixedInEveryCategory());

    // 1 + 2 + 3 + 4 + 6 in the upper section, 30 for the small straight, 16 for chance.
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.first().first().toInt(), 62);
    QVERIFY(game.isOver() && !game.isUnfinished());
    const Position &end = game.position();
    QCOMPARE(end.usedCategories, quint16(0x1FFF));
    QCOMPARE(end.turnsScored, 13);
    QCOMPARE(end.upperSubTotal, 16);
    QCOMPARE(end.categoryPoints[std::size_t(Category::SmallStraight)], 30);
    // The roll of the last press is counted, though no dice move.
    QCOMPARE(game.rollCount(), 1);
    QCOMPARE(end.dice, Mixed);
    QCOMPARE(game.log().actions().last(), GameAction::commit(Category::FiveOfAKind));
    QVERIFY(!game.roll() && !game.toggleHold(0) && !game.select(Category::Ones));
    QCOMPARE(game.position(), end);
}

void TestGame::aNewGameAbandonsOnlyAnUnfinishedOne()
{
    Game game;
    GameLog abandoned;
    connect(&game, &Game::aboutToAbandon, this, [&] { abandoned = game.log(); });
    game.newGame();
    QVERIFY(abandoned.actions().isEmpty());
    game.toggleHold(0);
    const GameLog unfinished = game.log();
    game.newGame();
    QCOMPARE(abandoned, unfinished);
    QCOMPARE(game.log().actions().size(), 1);

    playTurns(game, mixedInEveryCategory());
    abandoned = GameLog();
    game.newGame();
    QVERIFY(abandoned.actions().isEmpty());
}

void TestGame::aTurnRollsThreeTimesAndHeldDiceStay()
{
    Game game;
    QList<Dice> rolls = {{4, 4, 1, 2, 4}, {5, 5, 6, 6, 5}, {1, 2, 3, 4, 5}, {2, 2, 2, 2, 2}};
    game.setDiceSource([&](const Dice &, const HeldDice &) { return rolls.takeFirst(); });
    game.newGame();
    QVERIFY(game.toggleHold(0) && game.toggleHold(1) && game.toggleHold(4));
    QVERIFY(game.roll());
    QCOMPARE(game.position().dice, (Dice {4, 4, 6, 6, 4}));
    QVERIFY(game.toggleHold(4));
    QVERIFY(game.roll());
    QCOMPARE(game.position().dice, (Dice {4, 4, 3, 4, 5}));
    QCOMPARE(game.log().actions().last().held, (HeldDice {1, 1, 0, 0, 0}));
    QCOMPARE(game.position().rollsLeft, 0);
    QVERIFY(!game.roll());

    // A selection lets the next press commit and roll; withdrawn, it leaves the turn out of rolls.
    QVERIFY(game.select(Category::Fours));
    QVERIFY(game.unselect());
    QVERIFY(!game.canRoll());
    QVERIFY(game.select(Category::Fours));
    QVERIFY(game.roll());
    QCOMPARE(game.position().score, 12);
    QCOMPARE(game.position().held, HeldDice {});
    QCOMPARE(game.rollCount(), 1);
}

void TestGame::secondSelectionIsRefusedAndNotLogged()
{
    Game game;
    game.setDiceSource([](const Dice &, const HeldDice &) { return Dice {6, 6, 6, 2, 2}; });
    game.newGame();
    QSignalSpy refusals(&game, &Game::selectionRefused);
    QVERIFY(game.select(Category::FullHouse));
    const Position selected = game.position();
    const qsizetype logged = game.log().actions().size();
    QVERIFY(!game.select(Category::Sixes));
    QCOMPARE(refusals.count(), 1);
    QCOMPARE(game.position(), selected);
    QCOMPARE(game.pendingPoints(), 25);
    QCOMPARE(game.log().actions().size(), logged);
}

void TestGame::commitsGrantTheirBonuses_data()
{
    QTest::addColumn<Turns>("turns");
    QTest::addColumn<QList<Bonus>>("bonuses");
    QTest::addColumn<qint32>("score");
    using enum Category;
    const Bonus none = Bonus::None;
    QTest::newRow("the first fifty arms the +100 but earns none")
            << Turns {{FiveSixes, FiveOfAKind}} << QList {none} << 50;
    QTest::newRow("armed: a five of a kind in chance")
            << Turns {{FiveSixes, FiveOfAKind}, {FiveSixes, Chance}}
            << QList {none, Bonus::ExtraFiveOfAKind} << 50 + 30 + 100;
    QTest::newRow("armed: a zero in full house")
            << Turns {{FiveSixes, FiveOfAKind}, {FiveSixes, FullHouse}, {Mixed, Twos}}
            << QList {none, Bonus::ExtraFiveOfAKind, none} << 50 + 0 + 100 + 2;
    QTest::newRow("a zero in Tovik! never arms")
            << Turns {{Mixed, FiveOfAKind}, {FiveSixes, Chance}} << QList {none, none} << 30;
    QTest::newRow("the sub total pays once")
            << Turns {{{6, 6, 6, 6, 1}, Sixes},
                      {{5, 5, 5, 5, 1}, Fives},
                      {{4, 4, 4, 4, 3}, Fours},
                      {{3, 1, 2, 2, 4}, Threes},
                      {{2, 2, 1, 1, 1}, Twos}}
            << QList {none, none, none, Bonus::SubTotal, none} << 67 + 35;
    QTest::newRow("sub total and an armed five of a kind together")
            << Turns {{FiveSixes, FiveOfAKind},
                      {{5, 5, 5, 5, 1}, Fives},
                      {{4, 4, 4, 4, 3}, Fours},
                      {FiveSixes, Sixes},
                      {FiveSixes, Chance}}
            << QList {none, none, none, Bonus::Combined, Bonus::ExtraFiveOfAKind}
            << 50 + 20 + 16 + 30 + 135 + 30 + 100;
}

void TestGame::commitsGrantTheirBonuses()
{
    QFETCH(Turns, turns);
    QFETCH(QList<Bonus>, bonuses);
    QFETCH(qint32, score);
    Game game;
    QCOMPARE(playTurns(game, turns), bonuses);
    QCOMPARE(game.position().score, score);
}

// Ten thousand games of random legal moves, each final score checked against this test's own
// scorer.
void TestGame::randomGamesScoreAsTheRulesSay()
{
    processRandom().setSeed(20240611);
    RandomGenerator moves(7);
    for (int played = 0; played < 10000; ++played) {
        Game game;
        Turns commits;
        QObject::connect(&game, &Game::committed, &game, [&](Category category) {
            commits.append({game.position().dice, category});
        });
        playRandomly(game, moves);
        QVERIFY(game.isOver());
        QCOMPARE(commits.size(), TurnsPerGame);
        if (game.position().score != finalScore(commits))
            QFAIL(qPrintable(QStringLiteral("game %1: %2, not %3; %4")
                                     .arg(played)
                                     .arg(game.position().score)
                                     .arg(finalScore(commits))
                                     .arg(game.log().toText())));
    }
}

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
