#include "base/programmodules.h"
#include "history/history.h"
#include "historytesting.h"
#include "testfiles.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The history as the windows use it: its work on a thread of its own, its answers as signals.
class TestHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { findProgramModulesIn(QStringLiteral(TOVIK_BUILD_FOLDER)); }
    void writtenGamesComeBackInOrder();
    void problemsReachTheCallersThread();
    void withoutItsModuleNothingIsKeptAndThePlayerIsTold();
};

void TestHistory::writtenGamesComeBackInOrder()
{
    QTemporaryDir dir;
    History history(dir.filePath(u"history.sqlite"_s));
    QSignalSpy written(&history, &History::gameWritten);
    QSignalSpy loaded(&history, &History::gamesLoaded);
    QSignalSpy withoutCost(&history, &History::gamesWithoutCostLoaded);
    QSignalSpy one(&history, &History::gameLoaded);

    history.write(sampleGame(u"Ann"_s, 100, 1));
    history.write(sampleGame(u"Bob"_s, 200, 2));
    // Asked for after the writes, the games include them.
    history.loadGames();
    QVERIFY(loaded.wait());
    QCOMPARE(written.size(), 2);
    const auto firstWritten = written.first().first().value<GameRecord>();
    QCOMPARE(firstWritten.player, u"Ann"_s);
    QCOMPARE(loaded.first().first().value<QList<GameRecord>>().size(), 2);

    history.setCoachCost(firstWritten.id, CoachCost {2.0, 30});
    history.loadGamesWithoutCost();
    history.loadGame(firstWritten.id);
    QVERIFY(one.wait());
    QCOMPARE(withoutCost.first().first().value<QList<GameRecord>>().first().player, u"Bob"_s);
    QCOMPARE(one.first().first().value<GameRecord>().log, firstWritten.log);
}

void TestHistory::problemsReachTheCallersThread()
{
    QTemporaryDir dir;
    writeFileContents(dir.filePath(u"history.sqlite"_s), "not a database, not at all");
    History history(dir.filePath(u"history.sqlite"_s));
    QSignalSpy problem(&history, &History::problem);
    history.loadGames();
    QVERIFY(problem.wait());
    QVERIFY(problem.first().first().toString().contains(u"history-damaged.sqlite"_s));
}

void TestHistory::withoutItsModuleNothingIsKeptAndThePlayerIsTold()
{
    QTemporaryDir dir;
    findProgramModulesIn(dir.path());
    History history(dir.filePath(u"history.sqlite"_s));
    QSignalSpy problem(&history, &History::problem);
    QSignalSpy loaded(&history, &History::gamesLoaded);
    history.write(sampleGame(u"Ann"_s, 100));
    history.loadGames();
    QVERIFY(loaded.wait());
    QCOMPARE(loaded.first().first().value<QList<GameRecord>>().size(), 0);
    QCOMPARE(problem.size(), 1);
    QVERIFY(problem.first().first().toString().contains(u"libtovikhistory.so"_s));
    QVERIFY(!QFileInfo::exists(dir.filePath(u"history.sqlite"_s)));
    findProgramModulesIn(QStringLiteral(TOVIK_BUILD_FOLDER));
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
