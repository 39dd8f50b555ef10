#include "history/historyschema.h"
#include "history/historystore.h"
#include "historytesting.h"
#include "testfiles.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Reads the file through a connection of the test's own, as a player's sqlite3 would.
QList<QVariantList> rowsOf(const QString &path, const QString &statement)
{
    QList<QVariantList> rows;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"test"_s);
        database.setDatabaseName(path);
        if (!database.open())
            return rows;
        QSqlQuery query(database);
        query.exec(statement);
        while (query.next()) {
            QVariantList row;
            for (int column = 0; column < query.record().count(); ++column)
                row.append(query.value(column));
            rows.append(row);
        }
    }
    QSqlDatabase::removeDatabase(u"test"_s);
    return rows;
}

GameRecord withoutLog(GameRecord game)
{
    game.log.clear();
    return game;
}

} // namespace

class TestHistoryStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void gameReadsBackAsWritten();
    void columnsKeepThePointsAsPlayersQueryThem();
    void gamesComeNewestFirst();
    void coachCostIsSetLater();
    void damagedFileIsKeptAndAFreshHistoryBegins_data();
    void damagedFileIsKeptAndAFreshHistoryBegins();
    void newerFileIsReadButNeverWritten();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    QStringList m_reports;
};

void TestHistoryStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(u"history.sqlite"_s);
    m_reports.clear();
}

void TestHistoryStore::gameReadsBackAsWritten()
{
    GameRecord game = sampleGame(u"Zoë"_s, 312);
    game.coachCost = CoachCost {12.5, 39};
    GameRecord unfinished = sampleGame(u"Ann"_s, 40, 20);
    unfinished.finished = false;
    unfinished.points = {};

    HistoryStore store(m_path);
    const QList<GameRecord> written = store.write(game);
    QCOMPARE(written.size(), 1);
    QVERIFY(written.first().id > 0);
    game.id = written.first().id;
    unfinished.id = store.write(unfinished).first().id;

    QCOMPARE(store.game(game.id), game);
    QCOMPARE(store.games(), QList<GameRecord>({withoutLog(unfinished), withoutLog(game)}));
    QCOMPARE(store.game(game.id + 100), std::nullopt);
}

void TestHistoryStore::columnsKeepThePointsAsPlayersQueryThem()
{
    HistoryStore store(m_path);
    store.write(sampleGame(u"Ann"_s, 312));
    QCOMPARE(rowsOf(m_path, u"PRAGMA user_version"_s).first().first().toInt(),
             HistorySchema::currentVersion());
    const QVariantList row = rowsOf(m_path,
                                    u"SELECT player, started_at, finished_at, finished, score, "
                                    u"ones, twos, chance, five_of_a_kind, upper_bonus, "
                                    u"extra_bonus, coach_cost, actions FROM games JOIN game_logs "
                                    u"ON game_id = id"_s)
                                     .first();
    QCOMPARE(row.size(), 13);
    QCOMPARE(row[0].toString(), u"Ann"_s);
    QCOMPARE(row[1].toString(), u"2026-12-08T14:00:01.250Z"_s);
    QCOMPARE(row[2].toString(), u"2026-12-08T14:05:01.250Z"_s);
    QCOMPARE(row[3].toInt(), 1);
    QCOMPARE(row[4].toInt(), 312);
    QCOMPARE(row[5].toInt(), 3);
    QVERIFY(row[6].isNull());
    QVERIFY(!row[7].isNull());
    QCOMPARE(row[7].toInt(), 0);
    QCOMPARE(row[8].toInt(), 50);
    QCOMPARE(row[9].toInt(), 35);
    QCOMPARE(row[10].toInt(), 100);
    QVERIFY(row[11].isNull());
    QCOMPARE(row[12].toString(), u"r12345 h1 s12 c;Ann"_s);
}

void TestHistoryStore::gamesComeNewestFirst()
{
    HistoryStore store(m_path);
    store.write(sampleGame(u"Ann"_s, 100, 10));
    store.write(sampleGame(u"Bob"_s, 200, 30));
    store.write(sampleGame(u"Cy"_s, 300, 20));
    QStringList players;
    for (const GameRecord &game : store.games())
        players.append(game.player);
    QCOMPARE(players, QStringList({u"Bob"_s, u"Cy"_s, u"Ann"_s}));
}

void TestHistoryStore::coachCostIsSetLater()
{
    HistoryStore store(m_path);
    GameRecord unfinished = sampleGame(u"Ann"_s, 10, 1);
    unfinished.finished = false;
    store.write(unfinished);
    const qint64 first = store.write(sampleGame(u"Ann"_s, 100, 2)).first().id;
    const qint64 second = store.write(sampleGame(u"Bob"_s, 200, 3)).first().id;

    QList<qint64> waiting;
    for (const GameRecord &game : store.finishedGamesWithoutCost())
        waiting.append(game.id);
    QCOMPARE(waiting, QList<qint64>({first, second}));
    QCOMPARE(store.finishedGamesWithoutCost().first().log, u"r12345 h1 s12 c;Ann"_s);

    QVERIFY(store.setCoachCost(first, CoachCost {3.25, 40}));
    QCOMPARE(store.finishedGamesWithoutCost().size(), 1);
    QCOMPARE(store.game(first)->coachCost, CoachCost({3.25, 40}));
}

void TestHistoryStore::damagedFileIsKeptAndAFreshHistoryBegins_data()
{
    QTest::addColumn<int>("keptBytes");
    QTest::addColumn<int>("garbledAt");

    // A negative count keeps all but that many bytes.
    QTest::newRow("not a database") << 0 << -1;
    QTest::newRow("truncated to its header") << 100 << -1;
    QTest::newRow("truncated by half a page") << -2048 << -1;
    QTest::newRow("a page garbled") << -1 << 4096 * 2;
}

void TestHistoryStore::damagedFileIsKeptAndAFreshHistoryBegins()
{
    QFETCH(int, keptBytes);
    QFETCH(int, garbledAt);

    {
        HistoryStore store(m_path);
        for (int game = 0; game < 60; ++game)
            store.write(sampleGame(u"Ann"_s, game, game % 60));
    }
    QByteArray damaged = fileContents(m_path);
    if (keptBytes == 0)
        damaged = "Ones=3\r\nTwos=6\r\n";
    else if (keptBytes > 0)
        damaged.truncate(keptBytes);
    else if (garbledAt < 0)
        damaged.chop(-keptBytes);
    else
        damaged.replace(garbledAt, 512, QByteArray(512, '\x5a'));
    writeFileContents(m_path, damaged);

    HistoryStore store(m_path, [this](const QString &text) { m_reports.append(text); });
    QCOMPARE(store.write(sampleGame(u"Bob"_s, 250)).size(), 1);
    store.write(sampleGame(u"Cy"_s, 260));

    const QString aside = m_dir->filePath(u"history-damaged.sqlite"_s);
    QCOMPARE(fileContents(aside), damaged);
    QCOMPARE(store.games().size(), 2);
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports.first().contains(aside), qPrintable(m_reports.first()));
}

void TestHistoryStore::newerFileIsReadButNeverWritten()
{
    {
        HistoryStore store(m_path);
        store.write(sampleGame(u"Ann"_s, 100));
    }
    rowsOf(m_path, u"PRAGMA user_version = %1"_s.arg(HistorySchema::currentVersion() + 1));
    const QByteArray before = fileContents(m_path);

    HistoryStore store(m_path, [this](const QString &text) { m_reports.append(text); });
    QCOMPARE(store.write(sampleGame(u"Bob"_s, 200)), QList<GameRecord>());
    QCOMPARE(store.write(sampleGame(u"Cy"_s, 300)), QList<GameRecord>());
    QVERIFY(!store.setCoachCost(1, CoachCost {1.0, 1}));
    QCOMPARE(store.waitingCount(), 2);
    QCOMPARE(store.games().size(), 1);

    QCOMPARE(fileContents(m_path), before);
    QCOMPARE(m_reports.size(), 1);
    QVERIFY(m_reports.first().contains(u"newer version"_s));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {u"history.sqlite"_s});
}

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "tst_historystore.moc"
