#include "history/historyschema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

QString categoryColumnsText()
{
    QStringList columns;
    for (const char16_t *column : HistorySchema::CategoryColumns)
        columns.append(QString::fromUtf16(column) + u" INTEGER"_s);
    return columns.join(u",\n    "_s);
}

// Version 1: the games, each game's log apart from them, so that the statistics read only the
// small rows, and the players' games in the order they ended.
QStringList firstVersion()
{
    return {
            uR"(CREATE TABLE games (
    id INTEGER PRIMARY KEY,
    player TEXT NOT NULL,
    started_at TEXT NOT NULL,
    finished_at TEXT NOT NULL,
    finished INTEGER NOT NULL CHECK (finished IN (0, 1)),
    score INTEGER NOT NULL,
    %1,
    upper_bonus INTEGER NOT NULL DEFAULT 0,
    extra_bonus INTEGER NOT NULL DEFAULT 0,
    coach_cost REAL,
    coach_choices INTEGER
))"_s.arg(categoryColumnsText()),
            uR"(CREATE TABLE game_logs (
    game_id INTEGER PRIMARY KEY REFERENCES games (id) ON DELETE CASCADE,
    actions TEXT NOT NULL
))"_s,
            u"CREATE INDEX games_by_player ON games (player, finished_at)"_s,
    };
}

// The upgrades in order: step n brings a file of version n to version n + 1.
const QList<QStringList> &upgradeSteps()
{
    static const QList<QStringList> steps = {firstVersion()};
    return steps;
}

} // namespace

namespace HistorySchema {

int currentVersion()
{
    return int(upgradeSteps().size());
}

QSqlError upgrade(QSqlDatabase &database, int fromVersion)
{
    QSqlQuery query(database);
    for (int version = fromVersion; version < currentVersion(); ++version) {
        for (const QString &statement : upgradeSteps()[version]) {
            if (!query.exec(statement))
                return query.lastError();
        }
    }
    query.exec(u"PRAGMA user_version = %1"_s.arg(currentVersion()));
    return query.lastError();
}

} // namespace HistorySchema
