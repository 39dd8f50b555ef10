#include "coach/coach.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// The games of the upper section alone: solved in a moment, with a hundred steps of progress.
constexpr quint16 UpperOpen = ((1u << CategoryCount) - 1) & ~0x3fu;

} // namespace

class TestCoach : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void advisesOnceSolvedInTheBackground();
    void endsAnUnfinishedSolveWhenDestroyed();
};

void TestCoach::advisesOnceSolvedInTheBackground()
{
    Coach coach;
    // Reported from a solving thread: the receiver here lives in the test's thread.
    QObject receiver;
    QList<double> progress;
    connect(&coach, &Coach::progressChanged, &receiver,
            [&](double fraction) { progress.append(fraction); });
    QSignalSpy ready(&coach, &Coach::ready);
    const TurnState start {UpperOpen, 0, false};
    const Dice dice {1, 2, 3, 4, 5};
    QVERIFY(!coach.advise(start, dice, 2).canAdvise);
    QVERIFY(!coach.pointsToCome(start));

    coach.startSolving(UpperOpen);
    QVERIFY(coach.isSolving());
    QVERIFY(ready.wait(60000));
    QVERIFY(coach.isReady());
    QVERIFY(!coach.isSolving());
    QCOMPARE(coach.progress(), 1.0);
    QVERIFY(!progress.isEmpty());
    double last = 0;
    for (double fraction : progress) {
        QVERIFY(fraction > last);
        last = fraction;
    }
    QCOMPARE(last, 1.0);
    QVERIFY(coach.pointsToCome(start).value_or(0) > 0);
    QVERIFY(coach.advise(start, dice, 2).canAdvise);
    QVERIFY(!coach.advise(TurnState {}, dice, 2).canAdvise);
}

void TestCoach::endsAnUnfinishedSolveWhenDestroyed()
{
    auto coach = std::make_unique<Coach>();
    QSignalSpy ready(coach.get(), &Coach::ready);
    coach->startSolving();
    coach.reset();
    QCoreApplication::processEvents();
    QVERIFY(ready.isEmpty());
}

QTEST_GUILESS_MAIN(TestCoach)
#include "tst_coach.moc"
