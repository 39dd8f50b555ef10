#include "history/historystore.h"

#include "history/historyrows.h"
#include "history/historyschema.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

// Another copy of the program writing the same file holds its lock for a few milliseconds; a
// much longer wait means something is wrong, and the game then waits for the next chance.
constexpr auto ConnectOptions = u"QSQLITE_BUSY_TIMEOUT=10000";
constexpr auto ReadOnlyOptions = u"QSQLITE_BUSY_TIMEOUT=10000;QSQLITE_OPEN_READONLY";

// SQLite's primary result codes that the store tells apart.
constexpr int SqliteReadOnly = 8;
constexpr int SqliteIoError = 10;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteFull = 13;
constexpr int SqliteCantOpen = 14;
constexpr int SqliteNotADatabase = 26;

// A set-aside file is never overwritten: the first free name of these is taken.
constexpr int MostSetAsideNames = 1000;

// What SQLite writes beside a file while it changes it; they go with the file they belong to.
constexpr const char16_t *CompanionSuffixes[] = {u"-journal", u"-wal", u"-shm"};

QString newConnectionName()
{
    static QAtomicInt counter;
    return u"tovik-history-%1"_s.arg(counter.fetchAndAddRelaxed(1));
}

int primaryCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool showsDamage(const QSqlError &error)
{
    const int code = primaryCode(error);
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

} // namespace

HistoryStore::HistoryStore(QString filePath, ProblemReport report)
    : m_filePath(std::move(filePath)), m_connectionName(newConnectionName()),
      m_report(std::move(report))
{
}

HistoryStore::~HistoryStore()
{
    close();
}

void HistoryStore::close()
{
    if (m_database.isValid())
        m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_state = State::Closed;
}

bool HistoryStore::open()
{
    if (m_state != State::Closed)
        return true;
    // A damaged file is set aside once; a fresh file that fails again is not set aside too.
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (tryOpen()) {
        case Opening::Opened:
            return true;
        case Opening::Failed:
            close();
            return false;
        case Opening::Damaged:
            if (!setAside())
                return false;
            break;
        }
    }
    return false;
}

HistoryStore::Opening HistoryStore::tryOpen()
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    m_database = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connectionName);
    m_database.setDatabaseName(m_filePath);
    m_database.setConnectOptions(QString::fromUtf16(ConnectOptions));
    if (!m_database.open())
        return failed(m_database.lastError());

    QSqlQuery query(m_database);
    if (!query.exec(u"PRAGMA user_version"_s) || !query.next())
        return failed(query.lastError());
    const int version = query.value(0).toInt();
    query.finish();
    if (version > HistorySchema::currentVersion()) {
        tell(Problem::Newer,
             u"The game history in %1 was made by a newer version of Tovik. It is left as it "
             u"is, and the games of this run are not kept."_s.arg(m_filePath));
        m_database.close();
        m_database.setConnectOptions(QString::fromUtf16(ReadOnlyOptions));
        if (!m_database.open())
            return failed(m_database.lastError());
        m_state = State::ReadOnly;
        return Opening::Opened;
    }
    return prepareTables(version);
}

HistoryStore::Opening HistoryStore::prepareTables(int version)
{
    QSqlQuery query(m_database);
    // A quick look at every page finds the damage that a single read would miss.
    if (!query.exec(u"PRAGMA quick_check"_s) || !query.next())
        return failed(query.lastError());
    if (query.value(0).toString() != u"ok"_s)
        return Opening::Damaged;
    query.finish();
    // A file of this version is not written before a game is, so a read-only one can be read.
    if (version < HistorySchema::currentVersion()) {
        const Opening upgrade = upgradeTables();
        if (upgrade != Opening::Opened)
            return upgrade;
    }
    QSqlQuery(m_database).exec(u"PRAGMA foreign_keys = ON"_s);
    m_state = State::Writable;
    return Opening::Opened;
}

HistoryStore::Opening HistoryStore::upgradeTables()
{
    // Read again under the write lock: another copy may have made the tables meanwhile.
    QSqlQuery query(m_database);
    if (!query.exec(u"BEGIN IMMEDIATE"_s))
        return failed(query.lastError());
    QSqlError error;
    if (query.exec(u"PRAGMA user_version"_s) && query.next()) {
        const int version = query.value(0).toInt();
        query.finish();
        error = HistorySchema::upgrade(m_database, version);
        if (error.type() == QSqlError::NoError && !query.exec(u"COMMIT"_s))
            error = query.lastError();
    } else {
        error = query.lastError();
    }
    if (error.type() == QSqlError::NoError)
        return Opening::Opened;
    QSqlQuery(m_database).exec(u"ROLLBACK"_s);
    return failed(error);
}

HistoryStore::Opening HistoryStore::failed(const QSqlError &error)
{
    m_openError = error;
    return showsDamage(error) ? Opening::Damaged : Opening::Failed;
}

bool HistoryStore::setAside()
{
    close();
    const QFileInfo file(m_filePath);
    const QString stem = file.absoluteDir().filePath(file.completeBaseName() + u"-damaged"_s);
    for (int number = 1; number <= MostSetAsideNames; ++number) {
        const QString aside
                = stem + (number == 1 ? QString() : u"-%1"_s.arg(number)) + u"."_s + file.suffix();
        if (QFileInfo::exists(aside) || !QFile::rename(m_filePath, aside))
            continue;
        for (const char16_t *suffix : CompanionSuffixes) {
            const QString companion = m_filePath + QString::fromUtf16(suffix);
            if (QFileInfo::exists(companion))
                QFile::rename(companion, aside + QString::fromUtf16(suffix));
        }
        tell(Problem::Damaged,
             u"The game history in %1 could not be read. It has been kept as %2, and a new "
             u"history has begun."_s.arg(m_filePath, aside));
        return true;
    }
    return false;
}

void HistoryStore::tell(Problem problem, const QString &text)
{
    if (m_told.contains(problem))
        return;
    m_told.insert(problem);
    if (m_report)
        m_report(text);
}

void HistoryStore::tellUnwritable(const QSqlError &error)
{
    QString reason;
    switch (primaryCode(error)) {
    case SqliteFull:
        reason = u"the disk is full"_s;
        break;
    case SqliteIoError:
        // Also what a file-size limit gives.
        reason = u"the disk is full or failing"_s;
        break;
    case SqliteReadOnly:
    case SqliteCantOpen:
        reason = u"the file or its folder may not be written"_s;
        break;
    default:
        reason = error.databaseText();
    }
    tell(Problem::Unwritable,
         u"A game could not be written to the game history in %1: %2. Tovik keeps it and "
         u"tries again after the next game."_s.arg(m_filePath, reason));
}

bool HistoryStore::recoveredFromDamage(const QSqlError &error)
{
    return showsDamage(error) && setAside() && open();
}

QList<GameRecord> HistoryStore::write(const GameRecord &game)
{
    m_waiting.append(game);
    return writeWaiting();
}

QList<GameRecord> HistoryStore::writeWaiting()
{
    QList<GameRecord> written;
    while (!m_waiting.isEmpty()) {
        if (!open()) {
            tellUnwritable(m_openError);
            break;
        }
        // A newer program's file keeps the games waiting, and the player has been told.
        if (m_state != State::Writable || !writeOne(m_waiting.first()))
            break;
        written.append(m_waiting.takeFirst());
    }
    return written;
}

bool HistoryStore::writeOne(GameRecord &game)
{
    QSqlQuery query(m_database);
    bool done = query.exec(u"BEGIN IMMEDIATE"_s) && query.prepare(insertGameStatement());
    if (done) {
        bindGame(query, game);
        done = query.exec();
    }
    const qint64 id = done ? query.lastInsertId().toLongLong() : 0;
    if (done) {
        done = query.prepare(u"INSERT INTO game_logs (game_id, actions) VALUES (?, ?)"_s);
        query.addBindValue(id);
        query.addBindValue(game.log);
        done = done && query.exec() && query.exec(u"COMMIT"_s);
    }
    if (done) {
        game.id = id;
        return true;
    }
    const QSqlError error = query.lastError();
    QSqlQuery(m_database).exec(u"ROLLBACK"_s);
    if (recoveredFromDamage(error))
        return writeOne(game);
    tellUnwritable(error);
    // A file opened while it could not be written stays read-only to this connection, so the
    // next try opens it afresh.
    close();
    return false;
}

bool HistoryStore::setCoachCost(qint64 id, const CoachCost &cost)
{
    if (!open() || m_state != State::Writable)
        return false;
    QSqlQuery query(m_database);
    query.prepare(u"UPDATE games SET coach_cost = ?, coach_choices = ? WHERE id = ?"_s);
    query.addBindValue(cost.total);
    query.addBindValue(cost.choices);
    query.addBindValue(id);
    if (query.exec())
        return true;
    close();
    return false;
}

QList<GameRecord> HistoryStore::readGames(const QString &condition, bool withLogs)
{
    QList<GameRecord> games;
    if (!open())
        return games;
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    const QString text = withLogs
            ? u"SELECT %1, actions FROM games LEFT JOIN game_logs ON game_id = id %2"_s
            : u"SELECT %1 FROM games %2"_s;
    if (!query.exec(text.arg(gameColumnList(), condition))) {
        if (recoveredFromDamage(query.lastError()))
            return readGames(condition, withLogs);
        return games;
    }
    while (query.next())
        games.append(recordFromRow(query, withLogs));
    return games;
}

QList<GameRecord> HistoryStore::games()
{
    return readGames(u"ORDER BY finished_at DESC, id DESC"_s, false);
}

std::optional<GameRecord> HistoryStore::game(qint64 id)
{
    const QList<GameRecord> found = readGames(u"WHERE id = %1"_s.arg(id), true);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<GameRecord> HistoryStore::finishedGamesWithoutCost()
{
    return readGames(u"WHERE finished = 1 AND coach_cost IS NULL ORDER BY finished_at, id"_s, true);
}
