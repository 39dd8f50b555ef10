#pragma once

#include "history/gamerecord.h"

#include <QList>
#include <QString>
#include <QtPlugin>

#include <functional>
#include <memory>
#include <optional>

// The game history in one file, used from one thread. The SQLite store behind it lives in a
// module of its own, loaded the first time the history is opened, so that Qt SQL costs the
// program nothing before then.
class HistoryFile
{
public:
    // Tells the player of trouble with the file, once a run for each kind.
    using ProblemReport = std::function<void(const QString &text)>;

    virtual ~HistoryFile() = default;

    // Writes the games still waiting from earlier failures, then this one, each in a
    // transaction of its own, and returns those written now with their ids.
    virtual QList<GameRecord> write(const GameRecord &game) = 0;
    virtual QList<GameRecord> writeWaiting() = 0;
    virtual qsizetype waitingCount() const = 0;

    // Records the coach's cost of a written game; false when the file takes no write.
    virtual bool setCoachCost(qint64 id, const CoachCost &cost) = 0;

    // Every game without its log, newest first.
    virtual QList<GameRecord> games() = 0;
    // One game with its log, for a replay.
    virtual std::optional<GameRecord> game(qint64 id) = 0;
    // The finished games the coach has not valued yet, with their logs, oldest first.
    virtual QList<GameRecord> finishedGamesWithoutCost() = 0;
};

// What the module gives: history files.
class HistoryFileMaker
{
public:
    virtual ~HistoryFileMaker() = default;
    virtual std::unique_ptr<HistoryFile> openFile(const QString &path,
                                                  HistoryFile::ProblemReport report) const = 0;
};

#define HistoryFileMaker_iid "org.example.tovik.HistoryFileMaker/1"
Q_DECLARE_INTERFACE(HistoryFileMaker, HistoryFileMaker_iid)
