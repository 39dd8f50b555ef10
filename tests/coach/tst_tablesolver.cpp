#include "bruteforce.h"
#include "coach/tablesolver.h"

#include <QTest>
#include <cstring>

namespace {

quint16 bits(std::initializer_list<Category> categories)
{
    quint16 result = 0;
    for (Category category : categories)
        result = quint16(result | 1u << int(category));
    return result;
}

constexpr quint16 Everything = (1u << CategoryCount) - 1;

quint16 allBut(std::initializer_list<Category> open)
{
    return quint16(Everything & ~bits(open));
}

const quint16 UpperOpen = allBut({Category::Ones, Category::Twos, Category::Threes, Category::Fours,
                                  Category::Fives, Category::Sixes});
const quint16 OnesToThreesOpen = allBut({Category::Ones, Category::Twos, Category::Threes});

} // namespace

class TestTableSolver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agreesWithBruteForce_data();
    void agreesWithBruteForce();
    void sameTableWhateverTheThreads();
    void cancelledSolveGivesNothing();
};

void TestTableSolver::agreesWithBruteForce_data()
{
    QTest::addColumn<quint16>("used");
    QTest::addColumn<qint32>("subTotal");
    QTest::addColumn<bool>("fiveOfAKindScored");
    QTest::newRow("chance alone") << allBut({Category::Chance}) << 0 << false;
    QTest::newRow("chance alone, +100 armed") << allBut({Category::Chance}) << 0 << true;
    QTest::newRow("five of a kind alone") << allBut({Category::FiveOfAKind}) << 0 << false;
    QTest::newRow("upper section alone, +35 in play") << UpperOpen << 0 << false;
    QTest::newRow("ones to fours alone, +35 out of reach")
            << quint16(UpperOpen | bits({Category::Fives, Category::Sixes})) << 0 << false;
    QTest::newRow("ones to threes, +35 given") << OnesToThreesOpen << 75 << false;
    QTest::newRow("ones to threes, 13 short of the +35") << OnesToThreesOpen << 50 << false;
    // Five sixes in Sixes reach 65 with the +100 armed: +135 on one commit.
    QTest::newRow("sixes and chance, +100 armed, 28 short of the +35")
            << allBut({Category::Sixes, Category::Chance}) << 35 << true;
    QTest::newRow("the patterns alone") << allBut({Category::FullHouse, Category::SmallStraight,
                                                   Category::LargeStraight, Category::FiveOfAKind})
                                        << 0 << false;
}

void TestTableSolver::agreesWithBruteForce()
{
    QFETCH(quint16, used);
    QFETCH(qint32, subTotal);
    QFETCH(bool, fiveOfAKindScored);

    TableSolver solver(used);
    const std::optional<ValueTable> table = solver.solve(2);
    QVERIFY(table);
    const std::optional<double> solved = table->value({used, subTotal, fiveOfAKindScored});
    QVERIFY(solved);
    BruteForce bruteForce;
    QVERIFY(std::abs(*solved - bruteForce.value(used, subTotal, fiveOfAKindScored)) < 1e-9);
}

void TestTableSolver::sameTableWhateverTheThreads()
{
    const std::optional<ValueTable> one = TableSolver(UpperOpen).solve(1);
    const std::optional<ValueTable> three = TableSolver(UpperOpen).solve(3);
    QVERIFY(one && three);
    QCOMPARE(one->space().slotCount(), three->space().slotCount());
    for (int slot = 0; slot < one->space().slotCount(); ++slot) {
        const double a = one->at(slot);
        const double b = three->at(slot);
        QVERIFY(std::memcmp(&a, &b, sizeof a) == 0);
    }
}

void TestTableSolver::cancelledSolveGivesNothing()
{
    TableSolver solver;
    solver.cancel();
    QVERIFY(!solver.solve(2));
}

QTEST_GUILESS_MAIN(TestTableSolver)
#include "tst_tablesolver.moc"
