#pragma once

#include "history/gamerecord.h"

#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <functional>
#include <optional>

// The game history in one SQLite file, used from one thread through a connection of its own.
// It opens the file at its first use, makes or upgrades its tables, and keeps going whatever
// befalls the file: a file that is not a database or is damaged is set aside under a new name
// beside it and a fresh history begins; a file of a newer version is read but never written; a
// game that cannot be written (read-only file or folder, full disk) waits here and is written
// with the next game. Each kind of trouble is told to the player once, through the report.
class HistoryStore
{
public:
    using ProblemReport = std::function<void(const QString &text)>;

    explicit HistoryStore(QString filePath, ProblemReport report = {});
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    const QString &filePath() const { return m_filePath; }

    // Writes the games still waiting from earlier failures, then this one, each in a
    // transaction of its own, and returns those written now with their ids.
    QList<GameRecord> write(const GameRecord &game);
    QList<GameRecord> writeWaiting();
    qsizetype waitingCount() const { return m_waiting.size(); }

    // Records the coach's cost of a written game; false when the file takes no write.
    bool setCoachCost(qint64 id, const CoachCost &cost);

    // Every game without its log, newest first.
    QList<GameRecord> games();
    // One game with its log, for a replay.
    std::optional<GameRecord> game(qint64 id);
    // The finished games the coach has not valued yet, with their logs, oldest first.
    QList<GameRecord> finishedGamesWithoutCost();

private:
    enum class State { Closed, Writable, ReadOnly };
    enum class Problem { Damaged, Newer, Unwritable };
    enum class Opening { Opened, Damaged, Failed };

    bool open();
    Opening tryOpen();
    Opening prepareTables(int version);
    Opening upgradeTables();
    bool setAside();
    void close();
    bool writeOne(GameRecord &game);
    QList<GameRecord> readGames(const QString &condition, bool withLogs);
    // Sets the file aside when the failure shows it damaged; then the caller may try again.
    bool recoveredFromDamage(const QSqlError &error);
    // Keeps the error for the report and says whether it shows the file damaged.
    Opening failed(const QSqlError &error);
    void tell(Problem problem, const QString &text);
    void tellUnwritable(const QSqlError &error);

    QString m_filePath;
    QString m_connectionName;
    ProblemReport m_report;
    QSqlDatabase m_database;
    QSqlError m_openError;
    State m_state = State::Closed;
    QList<GameRecord> m_waiting;
    QSet<Problem> m_told;
};
