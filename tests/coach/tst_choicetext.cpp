#include "coach/choicetext.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Choice)

class TestChoiceText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesEveryKindOfChoice_data();
    void namesEveryKindOfChoice();
};

namespace {

Choice hold(std::vector<qint32> faces)
{
    Choice choice;
    choice.kind = Choice::Kind::Hold;
    choice.heldDice = std::move(faces);
    return choice;
}

Choice score(Category category, qint32 points, qint32 bonus = 0)
{
    Choice choice;
    choice.category = category;
    choice.points = points;
    choice.bonus = bonus;
    return choice;
}

} // namespace

void TestChoiceText::namesEveryKindOfChoice_data()
{
    QTest::addColumn<Choice>("choice");
    QTest::addColumn<QString>("text");
    QTest::newRow("a pair") << hold({3, 3}) << u"hold 3 3 and roll"_s;
    QTest::newRow("one die") << hold({6}) << u"hold 6 and roll"_s;
    QTest::newRow("four dice") << hold({1, 2, 3, 4}) << u"hold 1 2 3 4 and roll"_s;
    QTest::newRow("nothing held") << hold({}) << u"roll all five dice"_s;
    QTest::newRow("a lower category")
            << score(Category::FullHouse, 25) << u"score Full House for 25"_s;
    QTest::newRow("a zero") << score(Category::ThreeOfAKind, 0) << u"score 3 of a Kind for 0"_s;
    // The bonus a commit earns is not part of the category's points.
    QTest::newRow("the bonus aside") << score(Category::Sixes, 24, 35) << u"score Sixes for 24"_s;
    QTest::newRow("the last button")
            << score(Category::FiveOfAKind, 50) << u"score Tovik! for 50"_s;
}

void TestChoiceText::namesEveryKindOfChoice()
{
    QFETCH(Choice, choice);
    QFETCH(QString, text);
    QCOMPARE(choiceText(choice), text);
}

QTEST_APPLESS_MAIN(TestChoiceText)
#include "tst_choicetext.moc"
