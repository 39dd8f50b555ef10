#include "game/scoring.h"

#include <QStringList>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Category)

class TestScoring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyOrderedRollScoresAsCounted_data();
    void everyOrderedRollScoresAsCounted();
    void valuesOfNotableRolls_data();
    void valuesOfNotableRolls();
    void upperCategoriesCountTheirFace();
    void captionsAreTheButtons();
};

void TestScoring::everyOrderedRollScoresAsCounted_data()
{
    QTest::addColumn<Category>("category");
    QTest::addColumn<qint32>("value");
    QTest::addColumn<int>("scoringRolls");
    QTest::newRow("small straight") << Category::SmallStraight << 30 << 1440;
    QTest::newRow("large straight") << Category::LargeStraight << 40 << 240;
    QTest::newRow("five of a kind") << Category::FiveOfAKind << 50 << 6;
    QTest::newRow("full house") << Category::FullHouse << 25 << 300;
    QTest::newRow("four of a kind") << Category::FourOfAKind << -1 << 156;
    QTest::newRow("three of a kind") << Category::ThreeOfAKind << -1 << 1656;
}

// Walks all 7,776 ordered rolls; a value of -1 means "the sum of the dice".
void TestScoring::everyOrderedRollScoresAsCounted()
{
    QFETCH(Category, category);
    QFETCH(qint32, value);
    QFETCH(int, scoringRolls);

    int scoring = 0;
    for (int code = 0; code < 7776; ++code) {
        Dice dice{};
        int rest = code;
        qint32 sum = 0;
        for (qint32 &die : dice) {
            die = rest % 6 + 1;
            rest /= 6;
            sum += die;
        }
        const qint32 score = categoryValue(category, dice);
        if (score != 0) {
            ++scoring;
            QCOMPARE(score, value == -1 ? sum : value);
        }
    }
    QCOMPARE(scoring, scoringRolls);
}

void TestScoring::valuesOfNotableRolls_data()
{
    QTest::addColumn<Dice>("dice");
    QTest::addColumn<Category>("category");
    QTest::addColumn<qint32>("value");

    const Dice threes = {3, 3, 3, 3, 3};
    QTest::newRow("3 3 3 3 3 threes") << threes << Category::Threes << 15;
    QTest::newRow("3 3 3 3 3 three of a kind") << threes << Category::ThreeOfAKind << 15;
    QTest::newRow("3 3 3 3 3 four of a kind") << threes << Category::FourOfAKind << 15;
    QTest::newRow("3 3 3 3 3 is no full house") << threes << Category::FullHouse << 0;
    QTest::newRow("3 3 3 3 3 chance") << threes << Category::Chance << 15;
    QTest::newRow("3 3 3 3 3 five of a kind") << threes << Category::FiveOfAKind << 50;

    const Dice fullHouse = {3, 2, 3, 2, 3};
    QTest::newRow("2 2 3 3 3 full house") << fullHouse << Category::FullHouse << 25;
    QTest::newRow("2 2 3 3 3 three of a kind") << fullHouse << Category::ThreeOfAKind << 13;
    QTest::newRow("2 2 3 3 3 four of a kind") << fullHouse << Category::FourOfAKind << 0;
    QTest::newRow("four of a kind is no full house")
            << Dice{4, 4, 4, 4, 2} << Category::FullHouse << 0;

    QTest::newRow("1 2 3 5 6 small") << Dice{6, 1, 5, 2, 3} << Category::SmallStraight << 30;
    QTest::newRow("1 2 3 5 6 not large") << Dice{6, 1, 5, 2, 3} << Category::LargeStraight << 0;
    QTest::newRow("1 2 4 5 6 small") << Dice{1, 2, 4, 5, 6} << Category::SmallStraight << 30;
    QTest::newRow("1 2 3 3 5 only two pairs")
            << Dice{1, 2, 3, 3, 5} << Category::SmallStraight << 0;
    QTest::newRow("3 4 5 6 6 small") << Dice{6, 3, 6, 4, 5} << Category::SmallStraight << 30;
    QTest::newRow("2 3 4 5 6 large") << Dice{6, 5, 4, 3, 2} << Category::LargeStraight << 40;
    QTest::newRow("2 3 4 5 6 small") << Dice{6, 5, 4, 3, 2} << Category::SmallStraight << 30;
    QTest::newRow("1 2 3 4 5 large") << Dice{3, 1, 2, 5, 4} << Category::LargeStraight << 40;
    QTest::newRow("1 2 3 4 6 not large")
            << Dice{1, 2, 3, 4, 6} << Category::LargeStraight << 0;

    QTest::newRow("3 3 4 5 6 chance") << Dice{3, 3, 4, 5, 6} << Category::Chance << 21;
    QTest::newRow("3 3 4 5 6 no full house") << Dice{3, 3, 4, 5, 6} << Category::FullHouse << 0;
}

void TestScoring::valuesOfNotableRolls()
{
    QFETCH(Dice, dice);
    QFETCH(Category, category);
    QFETCH(qint32, value);
    QCOMPARE(categoryValue(category, dice), value);
}

void TestScoring::upperCategoriesCountTheirFace()
{
    const Dice dice = {6, 2, 6, 5, 6};
    QCOMPARE(categoryValue(Category::Ones, dice), 0);
    QCOMPARE(categoryValue(Category::Twos, dice), 2);
    QCOMPARE(categoryValue(Category::Fives, dice), 5);
    QCOMPARE(categoryValue(Category::Sixes, dice), 18);
    QVERIFY(isUpperSection(Category::Sixes));
    QVERIFY(!isUpperSection(Category::ThreeOfAKind));
}

// The captions of the game window's buttons, which the coach's texts repeat.
void TestScoring::captionsAreTheButtons()
{
    const QStringList expected
            = {u"Ones"_s,       u"Twos"_s,           u"Threes"_s,         u"Fours"_s,
               u"Fives"_s,      u"Sixes"_s,          u"3 of a Kind"_s,    u"4 of a Kind"_s,
               u"Full House"_s, u"Small Straight"_s, u"Large Straight"_s, u"Chance"_s,
               u"Tovik!"_s};
    QStringList captions;
    for (int i = 0; i < CategoryCount; ++i)
        captions.append(categoryCaption(Category(i)));
    QCOMPARE(captions, expected);
}

QTEST_APPLESS_MAIN(TestScoring)
#include "tst_scoring.moc"
