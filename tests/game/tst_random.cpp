#include "game/random.h"

#include <QTest>

class TestRandom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsFollowTheLinearCongruentialSequence();
    void drawsStayInRange();
};

void TestRandom::drawsFollowTheLinearCongruentialSequence()
{
    RandomGenerator generator(0);
    // seed 0 -> 1: (1 * 6) >> 32 = 0; seed 1 -> 134775814.
    QCOMPARE(generator.next(6), 0);
    QCOMPARE(generator.seed(), 1u);
    QCOMPARE(generator.next(6), 0);
    QCOMPARE(generator.seed(), 134775814u);
    QCOMPARE(generator.next(6), int((std::uint64_t(134775814u * 134775813u + 1u) * 6) >> 32));

    RandomGenerator wrapping(0xFFFFFFFFu);
    wrapping.next(2);
    QCOMPARE(wrapping.seed(), std::uint32_t(0xFFFFFFFFu * 134775813u + 1u));
}

void TestRandom::drawsStayInRange()
{
    RandomGenerator generator(12345);
    int counts[6] = {};
    for (int i = 0; i < 60000; ++i) {
        const int value = generator.next(6);
        QVERIFY(value >= 0 && value < 6);
        ++counts[value];
    }
    for (int count : counts)
        QVERIFY2(count > 9000 && count < 11000, "draws are far from uniform");
}

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
