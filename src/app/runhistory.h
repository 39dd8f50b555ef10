#pragma once

#include "app/historynotices.h"
#include "history/gamerecorder.h"

#include <QString>

#include <memory>

class Coach;
class CostReviewer;
class GameWindow;
class History;
class Session;

// The game history of one run: every game of the game window recorded in it, the coach's cost of
// each finished game filled in, and the player told of its problems. The history is opened once
// the first window shows, or by the first game written if that comes sooner, and closed at the
// end of the run, after the game under way has been written.
class RunHistory
{
public:
    RunHistory(const Session &session, const GameWindow &gameWindow, Coach &coach);
    ~RunHistory();
    RunHistory(const RunHistory &) = delete;
    RunHistory &operator=(const RunHistory &) = delete;

    // For the first window's showing: values the finished games that the coach has not valued
    // yet. A history that does not exist yet holds none, and is made by the first game written.
    void openAtStart();

    History &history();

private:
    QString filePath() const;

    const Session &m_session;
    Coach &m_coach;
    std::unique_ptr<History> m_history;
    std::unique_ptr<CostReviewer> m_costReviewer;
    HistoryNotices m_notices;
    GameRecorder m_recorder;
};
