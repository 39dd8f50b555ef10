#pragma once

#include "history/gamerecord.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QThreadPool>

#include <atomic>

class Coach;
class History;

// Fills in the coach's cost of every finished game in the history: of each game as it is
// written, and of the older games that have none yet. The coach solves the game only once a cost
// is needed; the reviews run on a thread of their own. A log that cannot be read or valued
// leaves its game's cost unknown.
class CostReviewer : public QObject
{
    Q_OBJECT

public:
    CostReviewer(History &history, Coach &coach, QObject *parent = nullptr);
    // Drops the reviews not yet begun and waits for the game under review, a matter of
    // milliseconds.
    ~CostReviewer() override;

    // Asks the history for its finished games without a cost, and reviews them.
    void reviewGamesWithoutCost();

private:
    void review(const QList<GameRecord> &games);
    void reviewWaiting();

    History &m_history;
    Coach &m_coach;
    // Until the coach is ready.
    QList<GameRecord> m_waiting;
    // Every game reviewed or waiting, so that none is reviewed twice.
    QSet<qint64> m_taken;
    QThreadPool m_reviews;
    std::atomic<bool> m_stopping = false;
};
