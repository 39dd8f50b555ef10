#include "coach/advice.h"
#include "coach/tablesolver.h"

#include <QTest>
#include <algorithm>
#include <set>

Q_DECLARE_METATYPE(Category)
Q_DECLARE_METATYPE(Choice)
Q_DECLARE_METATYPE(Dice)
Q_DECLARE_METATYPE(TurnState)

namespace {

constexpr quint16 Everything = (1u << CategoryCount) - 1;

quint16 allBut(std::initializer_list<Category> open)
{
    quint16 used = Everything;
    for (Category category : open)
        used = quint16(used & ~(1u << int(category)));
    return used;
}

ValueTable solved(quint16 usedAtStart)
{
    return *TableSolver(usedAtStart).solve(2);
}

Choice hold(std::vector<qint32> dice, double expected)
{
    Choice choice;
    choice.kind = Choice::Kind::Hold;
    choice.heldDice = std::move(dice);
    choice.expectedPoints = expected;
    return choice;
}

Choice score(Category category, double expected)
{
    Choice choice;
    choice.category = category;
    choice.expectedPoints = expected;
    return choice;
}

} // namespace

class TestAdvice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void holdValuesMatchCountsByHand_data();
    void holdValuesMatchCountsByHand();
    void holdingAllFiveSpendsARoll();
    void scoringNamesPointsAndBonus();
    void listsEveryDistinctHoldOnce_data();
    void listsEveryDistinctHoldOnce();
    void equalHoldsFollowEachOtherInFaceOrder();
    void choicesCompare_data();
    void choicesCompare();
    void refusesPositionsItCannotValue_data();
    void refusesPositionsItCannotValue();
};

void TestAdvice::holdValuesMatchCountsByHand_data()
{
    QTest::addColumn<Category>("open");
    QTest::addColumn<Dice>("dice");
    QTest::addColumn<int>("rollsLeft");
    QTest::addColumn<std::vector<qint32>>("held");
    QTest::addColumn<double>("expected");
    const Dice fourSixes {6, 6, 1, 6, 6};
    const Dice threeSixes {6, 1, 6, 1, 6};
    QTest::newRow("four sixes for five alike, one roll: 1/6 of 50")
            << Category::FiveOfAKind << fourSixes << 1 << std::vector {6, 6, 6, 6} << 50.0 / 6;
    QTest::newRow("four sixes for five alike, two rolls: 11/36 of 50")
            << Category::FiveOfAKind << fourSixes << 2 << std::vector {6, 6, 6, 6}
            << 50.0 * 11 / 36;
    QTest::newRow("three sixes for chance, one roll: 18 + 2 * 3.5")
            << Category::Chance << threeSixes << 1 << std::vector {6, 6, 6} << 25.0;
    // With one roll left a die is kept from 4 up: worth 3/6 * 5 + 3/6 * 3.5 = 4.25.
    QTest::newRow("three sixes for chance, two rolls: 18 + 2 * 4.25")
            << Category::Chance << threeSixes << 2 << std::vector {6, 6, 6} << 26.5;
    QTest::newRow("nothing held for chance, one roll: 5 * 3.5")
            << Category::Chance << threeSixes << 1 << std::vector<qint32> {} << 17.5;
}

void TestAdvice::holdValuesMatchCountsByHand()
{
    QFETCH(Category, open);
    QFETCH(Dice, dice);
    QFETCH(int, rollsLeft);
    QFETCH(std::vector<qint32>, held);
    QFETCH(double, expected);

    const TurnState state {allBut({open}), 0, false};
    const Advice advice = advise(solved(state.usedCategories), state, dice, rollsLeft);
    QVERIFY(advice.canAdvise);
    const Choice *choice = advice.findHold(held);
    QVERIFY(choice);
    QVERIFY(std::abs(choice->expectedPoints - expected) < 1e-9);
}

// Holding 6 6 6 6 1 whole with two rolls left leaves the best of one roll: 1/6 of 50 for the
// fifth six. With one roll left it leaves scoring the 0 they are worth now.
void TestAdvice::holdingAllFiveSpendsARoll()
{
    const TurnState state {allBut({Category::FiveOfAKind}), 0, false};
    const ValueTable table = solved(state.usedCategories);
    QVERIFY(std::abs(advise(table, state, {6, 6, 1, 6, 6}, 2).holdingAllFive - 50.0 / 6) < 1e-9);
    QCOMPARE(advise(table, state, {6, 6, 1, 6, 6}, 1).holdingAllFive, 0.0);
}

// Five sixes with 35 in the upper section and 50 in "Tovik!": Sixes reaches 65 for +135, Chance
// earns the +100 alone.
void TestAdvice::scoringNamesPointsAndBonus()
{
    const TurnState state {allBut({Category::Sixes, Category::Chance}), 35, true};
    const Advice advice = advise(solved(state.usedCategories), state, {6, 6, 6, 6, 6}, 0);
    QVERIFY(advice.canAdvise);
    QCOMPARE(advice.choices.size(), 2u);
    const Choice &first = advice.choices[0];
    const Choice &second = advice.choices[1];
    QCOMPARE(first.category, Category::Sixes);
    QCOMPARE(first.points, 30);
    QCOMPARE(first.bonus, 135);
    QCOMPARE(advice.findScore(Category::Chance), &second);
    QCOMPARE(second.points, 30);
    QCOMPARE(second.bonus, 100);
    QCOMPARE(expectedFinalScore(200, first), 200 + first.expectedPoints);
}

void TestAdvice::listsEveryDistinctHoldOnce_data()
{
    QTest::addColumn<Dice>("dice");
    QTest::addColumn<int>("rollsLeft");
    QTest::addColumn<int>("holds");
    QTest::newRow("five alike: none to four of them") << Dice {3, 3, 3, 3, 3} << 2 << 5;
    QTest::newRow("all different: every proper subset") << Dice {5, 1, 4, 2, 3} << 1 << 31;
    QTest::newRow("three and two: 4 * 3 less all five") << Dice {3, 2, 3, 2, 3} << 2 << 11;
    QTest::newRow("no roll left: scoring only") << Dice {5, 1, 4, 2, 3} << 0 << 0;
}

void TestAdvice::listsEveryDistinctHoldOnce()
{
    QFETCH(Dice, dice);
    QFETCH(int, rollsLeft);
    QFETCH(int, holds);

    const TurnState state {allBut({Category::Chance, Category::FullHouse}), 0, false};
    const Advice advice = advise(solved(state.usedCategories), state, dice, rollsLeft);
    QVERIFY(advice.canAdvise);
    std::set<std::vector<qint32>> held;
    std::set<Category> scored;
    for (const Choice &choice : advice.choices) {
        if (choice.kind == Choice::Kind::Score) {
            scored.insert(choice.category);
            continue;
        }
        QVERIFY(choice.heldDice.size() < 5);
        QVERIFY(std::is_sorted(choice.heldDice.begin(), choice.heldDice.end()));
        held.insert(choice.heldDice);
    }
    QCOMPARE(int(held.size()), holds);
    QCOMPARE(scored, (std::set {Category::FullHouse, Category::Chance}));
    QCOMPARE(advice.choices.size(), held.size() + scored.size());
    QVERIFY(std::is_sorted(advice.choices.begin(), advice.choices.end(), comesBefore));
}

// With only Fives left and no five showing, every single die held is as good as any other.
void TestAdvice::equalHoldsFollowEachOtherInFaceOrder()
{
    const TurnState state {allBut({Category::Fives}), 0, false};
    const Advice advice = advise(solved(state.usedCategories), state, {6, 4, 3, 2, 1}, 2);
    QVERIFY(advice.canAdvise);
    QCOMPARE(advice.choices.front().heldDice, std::vector<qint32> {});
    std::vector<std::vector<qint32>> next;
    for (std::size_t i = 1; i <= 5; ++i)
        next.push_back(advice.choices[i].heldDice);
    QCOMPARE(next, (std::vector<std::vector<qint32>> {{1}, {2}, {3}, {4}, {6}}));
    QCOMPARE(advice.choices.back().kind, Choice::Kind::Score);
}

void TestAdvice::choicesCompare_data()
{
    QTest::addColumn<Choice>("first");
    QTest::addColumn<Choice>("second");
    QTest::newRow("the higher expectation") << hold({}, 10.5) << score(Category::Ones, 10.0);
    QTest::newRow("equal: scoring before holding") << score(Category::Sixes, 10) << hold({}, 10);
    QTest::newRow("equal: scoring in category order")
            << score(Category::Twos, 10) << score(Category::Sixes, 10);
    QTest::newRow("equal: fewer dice held") << hold({6, 6}, 10) << hold({1, 1, 1}, 10);
    QTest::newRow("equal: lower faces held") << hold({1, 2}, 10) << hold({1, 3}, 10);
    QTest::newRow("equal to nine decimals") << score(Category::Chance, 10) << hold({}, 10 + 1e-12);
}

void TestAdvice::choicesCompare()
{
    QFETCH(Choice, first);
    QFETCH(Choice, second);

    QVERIFY(comesBefore(first, second));
    QVERIFY(!comesBefore(second, first));
}

void TestAdvice::refusesPositionsItCannotValue_data()
{
    QTest::addColumn<TurnState>("state");
    QTest::addColumn<Dice>("dice");
    QTest::addColumn<int>("rollsLeft");
    QTest::addColumn<bool>("advised");
    // The table holds the games with Chance and "Tovik!" left to play, or one of them.
    const quint16 used = allBut({Category::Chance, Category::FiveOfAKind});
    const Dice dice {1, 2, 3, 4, 5};
    QTest::newRow("a sound position") << TurnState {used, 70, false} << dice << 2 << true;
    QTest::newRow("a die showing 0")
            << TurnState {used, 70, false} << Dice {0, 2, 3, 4, 5} << 2 << false;
    QTest::newRow("a die showing 7")
            << TurnState {used, 70, false} << Dice {1, 2, 7, 4, 5} << 1 << false;
    QTest::newRow("three rolls left") << TurnState {used, 70, false} << dice << 3 << false;
    QTest::newRow("rolls left below 0") << TurnState {used, 70, false} << dice << -1 << false;
    QTest::newRow("every category used") << TurnState {Everything, 70, true} << dice << 0 << false;
    QTest::newRow("a sub total below 0") << TurnState {used, -1, false} << dice << 1 << false;
    QTest::newRow("more than the upper section makes")
            << TurnState {used, 106, false} << dice << 1 << false;
    QTest::newRow("50 in an open \"Tovik!\"") << TurnState {used, 70, true} << dice << 1 << false;
    QTest::newRow("outside the table")
            << TurnState {allBut({Category::Chance, Category::FiveOfAKind, Category::Ones}), 60,
                          false}
            << dice << 1 << false;
    QTest::newRow("unknown categories") << TurnState {0xffff, 70, false} << dice << 1 << false;
}

void TestAdvice::refusesPositionsItCannotValue()
{
    QFETCH(TurnState, state);
    QFETCH(Dice, dice);
    QFETCH(int, rollsLeft);
    QFETCH(bool, advised);

    static const ValueTable table = solved(allBut({Category::Chance, Category::FiveOfAKind}));
    const Advice advice = advise(table, state, dice, rollsLeft);
    QCOMPARE(advice.canAdvise, advised);
    QCOMPARE(advice.choices.empty(), !advised);
}

QTEST_GUILESS_MAIN(TestAdvice)
#include "tst_advice.moc"
