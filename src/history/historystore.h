#pragma once

#include "history/historyfile.h"

#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// The game history in one SQLite file, used from one thread through a connection of its own.
// It opens the file at its first use, makes or upgrades its tables, and keeps going whatever
// befalls the file: a file that is not a database or is damaged is set aside under a new name
// beside it and a fresh history begins; a file of a newer version is read but never written; a
// game that cannot be written (read-only file or folder, full disk) waits here and is written
// with the next game. Each kind of trouble is told to the player once, through the report.
class HistoryStore : public HistoryFile
{
public:
    explicit HistoryStore(QString filePath, ProblemReport report = {});
    ~HistoryStore() override;
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    const QString &filePath() const { return m_filePath; }

    QList<GameRecord> write(const GameRecord &game) override;
    QList<GameRecord> writeWaiting() override;
    qsizetype waitingCount() const override { return m_waiting.size(); }
    bool setCoachCost(qint64 id, const CoachCost &cost) override;
    QList<GameRecord> games() override;
    std::optional<GameRecord> game(qint64 id) override;
    QList<GameRecord> finishedGamesWithoutCost() override;

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
