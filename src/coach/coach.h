#pragma once

#include "coach/advice.h"

#include <QObject>
#include <memory>
#include <optional>
#include <thread>

class TableSolver;

// The coach as the windows use it: solves the game once, in the background and only when asked,
// then values turn-start states and advises on each decision. Everything but progress() and
// the progressChanged signal belongs to the thread the coach lives in.
//
//     coach.startSolving();                  // returns at once; ready() follows, about a second
//     later if (coach.isReady()) {
//         const Advice advice = coach.advise(state, dice, rollsLeft);
//         if (!advice.canAdvise) { /* "The coach cannot advise here." */ }
//         const Choice &best = advice.choices.front();
//         double shown = expectedFinalScore(score, best);
//     }
class Coach : public QObject
{
    Q_OBJECT

public:
    explicit Coach(QObject *parent = nullptr);
    // Cancels a solve that still runs and waits for its threads, which stop within milliseconds.
    ~Coach() override;

    // Starts solving on worker threads and returns at once; does nothing once started. The
    // solve covers the part of the game after the given categories are used; none, by default,
    // is the whole game.
    void startSolving(quint16 usedAtStart = 0);

    bool isSolving() const { return m_solver != nullptr && !m_table; }
    bool isReady() const { return m_table != nullptr; }
    // The share of the solve done, 0 to 1; may be called from any thread.
    double progress() const;

    // The expected points still to come from a turn-start state under optimal play; nothing
    // before the solve is ready or for a state the coach cannot value. From the state with
    // nothing used, it is the value of the whole game.
    std::optional<double> pointsToCome(const TurnState &state) const;

    // See advise() in advice.h; cannot advise before the solve is ready.
    Advice advise(const TurnState &state, const Dice &dice, int rollsLeft) const;

Q_SIGNALS:
    // Emitted from a solving thread at every hundredth of the work, so queued to receivers in
    // other threads.
    void progressChanged(double fraction);
    // The solve is done: the coach is ready.
    void ready();

private:
    std::unique_ptr<TableSolver> m_solver;
    std::thread m_thread;
    std::shared_ptr<const ValueTable> m_table;
};
