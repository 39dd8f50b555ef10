#include "game/gamestate.h"

#include <QTest>

Q_DECLARE_METATYPE(Bonus)

namespace {

constexpr Dice FiveSixes = {6, 6, 6, 6, 6};
constexpr Dice Mixed = {1, 2, 3, 4, 6};

// Selects a category for the given dice and commits it, as one turn of the game does.
Bonus scoreTurn(GameState &game, const Dice &dice, Category category)
{
    game.diceValues = dice;
    game.evaluate(category);
    game.categorySelected = true;
    return game.commit();
}

} // namespace

class TestGameState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commitAddsThePendingPointsAndClearsTheTurn();
    void evaluationIsSkippedWhileASelectionIsPending();
    void firstFiftyEarnsNoExtraBonusButArmsIt();
    void armedBonusPaysForFiveOfAKindInAnyCategory_data();
    void armedBonusPaysForFiveOfAKindInAnyCategory();
    void zeroInTheFiveOfAKindCategoryNeverArms();
    void subTotalBonusIsGrantedOnce();
    void subTotalAndFiveOfAKindTogetherGiveTheCombinedBonus();
};

void TestGameState::commitAddsThePendingPointsAndClearsTheTurn()
{
    GameState game;
    game.rollCount = 3;
    game.heldDice = {1, 0, 1, 0, 1};
    QCOMPARE(scoreTurn(game, {5, 5, 2, 5, 1}, Category::Fives), Bonus::None);
    QCOMPARE(game.score, 15);
    QCOMPARE(game.subTotal, 15);
    QCOMPARE(game.turnsScored, 1);
    QCOMPARE(game.rollCount, 0);
    QCOMPARE(game.pendingPoints, 0);
    QCOMPARE(game.pendingSubTotalPoints, 0);
    QVERIFY(!game.categorySelected);
    QVERIFY(!game.isHeld(0) && !game.isHeld(2) && !game.isHeld(4));

    scoreTurn(game, {5, 5, 2, 5, 1}, Category::Chance);
    QCOMPARE(game.score, 33);
    QCOMPARE(game.subTotal, 15);
}

void TestGameState::evaluationIsSkippedWhileASelectionIsPending()
{
    GameState game;
    game.diceValues = {6, 6, 6, 1, 1};
    game.evaluate(Category::Ones);
    game.categorySelected = true;
    game.evaluate(Category::Sixes);
    QCOMPARE(game.pendingPoints, 2);
    QCOMPARE(game.pendingSubTotalPoints, 2);
}

void TestGameState::firstFiftyEarnsNoExtraBonusButArmsIt()
{
    GameState game;
    QCOMPARE(scoreTurn(game, FiveSixes, Category::FiveOfAKind), Bonus::None);
    QCOMPARE(game.score, 50);
    QVERIFY(game.fiveOfAKindScored);
    QVERIFY(!game.remarkShown);
}

void TestGameState::armedBonusPaysForFiveOfAKindInAnyCategory_data()
{
    QTest::addColumn<Category>("category");
    QTest::addColumn<qint32>("points");
    QTest::newRow("chance") << Category::Chance << 30;
    QTest::newRow("sixes") << Category::Sixes << 30;
    QTest::newRow("zero in full house") << Category::FullHouse << 0;
}

void TestGameState::armedBonusPaysForFiveOfAKindInAnyCategory()
{
    QFETCH(Category, category);
    QFETCH(qint32, points);
    GameState game;
    scoreTurn(game, FiveSixes, Category::FiveOfAKind);
    QCOMPARE(scoreTurn(game, FiveSixes, category), Bonus::ExtraFiveOfAKind);
    QCOMPARE(game.score, 50 + points + 100);
    QVERIFY(game.remarkShown);
    game.remarkShown = false;
    QCOMPARE(scoreTurn(game, Mixed, Category::Twos), Bonus::None);
}

void TestGameState::zeroInTheFiveOfAKindCategoryNeverArms()
{
    GameState game;
    scoreTurn(game, Mixed, Category::FiveOfAKind);
    QVERIFY(!game.fiveOfAKindScored);
    QCOMPARE(scoreTurn(game, FiveSixes, Category::Chance), Bonus::None);
    QCOMPARE(game.score, 30);
}

void TestGameState::subTotalBonusIsGrantedOnce()
{
    GameState game;
    scoreTurn(game, {6, 6, 6, 6, 1}, Category::Sixes);     // 24
    scoreTurn(game, {5, 5, 5, 5, 1}, Category::Fives);     // 44
    QCOMPARE(scoreTurn(game, {4, 4, 4, 4, 3}, Category::Fours), Bonus::None); // 60
    QCOMPARE(game.subTotal, 60);
    QCOMPARE(scoreTurn(game, {3, 1, 2, 2, 4}, Category::Threes), Bonus::SubTotal); // 63
    QCOMPARE(game.score, 63 + 35);
    QVERIFY(game.subTotalBonusGiven);
    QCOMPARE(scoreTurn(game, {2, 2, 1, 1, 1}, Category::Twos), Bonus::None);
    QCOMPARE(game.score, 67 + 35);
}

void TestGameState::subTotalAndFiveOfAKindTogetherGiveTheCombinedBonus()
{
    GameState game;
    scoreTurn(game, FiveSixes, Category::FiveOfAKind);
    scoreTurn(game, {5, 5, 5, 5, 1}, Category::Fives); // sub total 20
    scoreTurn(game, {4, 4, 4, 4, 3}, Category::Fours); // 36
    QCOMPARE(scoreTurn(game, FiveSixes, Category::Sixes), Bonus::Combined); // 66
    QCOMPARE(game.score, 50 + 20 + 16 + 30 + 135);
    QVERIFY(game.subTotalBonusGiven);
    QCOMPARE(scoreTurn(game, FiveSixes, Category::Chance), Bonus::ExtraFiveOfAKind);
}

QTEST_APPLESS_MAIN(TestGameState)
#include "tst_gamestate.moc"
