#include "game/rollsummary.h"

#include <QTest>

using Held = std::array<quint8, 5>;
Q_DECLARE_METATYPE(Dice)
Q_DECLARE_METATYPE(Held)

class TestRollSummary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesTheValuesInOrderAndTheHeldDice_data();
    void namesTheValuesInOrderAndTheHeldDice();
};

void TestRollSummary::namesTheValuesInOrderAndTheHeldDice_data()
{
    QTest::addColumn<Dice>("dice");
    QTest::addColumn<Held>("held");
    QTest::addColumn<QString>("summary");
    QTest::newRow("none held") << Dice {6, 1, 5, 2, 2} << Held {} << "Rolled 6, 1, 5, 2, 2.";
    QTest::newRow("one held") << Dice {2, 2, 5, 6, 6} << Held {0, 0, 1, 0, 0}
                              << "Rolled 2, 2, 5, 6, 6; die 3 held.";
    QTest::newRow("several held") << Dice {4, 4, 4, 1, 4} << Held {1, 0, 1, 0, 1}
                                  << "Rolled 4, 4, 4, 1, 4; dice 1, 3, 5 held.";
}

void TestRollSummary::namesTheValuesInOrderAndTheHeldDice()
{
    QFETCH(Dice, dice);
    QFETCH(Held, held);
    QFETCH(QString, summary);
    QCOMPARE(rollSummary(dice, held), summary);
}

QTEST_APPLESS_MAIN(TestRollSummary)
#include "tst_rollsummary.moc"
