#pragma once

#include "history/gamerecord.h"

#include <QList>
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

class HistoryFile;

// The game history as the windows use it: every call returns at once, and the history file does
// the work in order on a thread of its own, so that a slow disk never holds up the game. Results
// and the problems the player is to be told of come back as signals on the caller's thread.
// Without its module the history keeps nothing and reads no game, and says so once.
class History : public QObject
{
    Q_OBJECT

public:
    explicit History(const QString &filePath, QObject *parent = nullptr);
    // Tries once more to write the games still waiting, and finishes all work asked for.
    ~History() override;

    const QString &filePath() const { return m_filePath; }

    // Writes the game, and any that earlier failures left waiting; gameWritten follows for each.
    void write(const GameRecord &game);
    void setCoachCost(qint64 id, const CoachCost &cost);

    // Every game without its log, newest first, to gamesLoaded.
    void loadGames();
    // One game with its log, to gameLoaded; nothing comes when there is no such game.
    void loadGame(qint64 id);
    // The finished games whose cost is still unknown, with their logs, to gamesWithoutCostLoaded.
    void loadGamesWithoutCost();

Q_SIGNALS:
    void gameWritten(const GameRecord &game);
    void gamesLoaded(const QList<GameRecord> &games);
    void gameLoaded(const GameRecord &game);
    void gamesWithoutCostLoaded(const QList<GameRecord> &games);
    // Something the player should know about the history, told once a run for each kind.
    void problem(const QString &text);

private:
    // Runs the work on the file's thread, after all work asked for before it; without a file,
    // it runs the work on none.
    void onFileThread(std::function<void(HistoryFile *)> work);
    std::unique_ptr<HistoryFile> openFile();
    // Runs the reply on this object's thread, unless this object has gone meanwhile.
    void reply(std::function<void()> work);

    QString m_filePath;
    QThread m_thread;
    QObject m_worker;
    bool m_opened = false;
    std::unique_ptr<HistoryFile> m_file;
};
