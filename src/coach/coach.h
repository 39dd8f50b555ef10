#pragma once

#include "coach/advice.h"

#include <QObject>
#include <memory>
#include <optional>
#include <thread>

class TableSolver;

// The coach as the windows use it: solves the game once, in the background and only when asked,
// then values turn-start states and advises on each decision. Everything but progress() and the
// progressChanged signal belongs to the thread the coach lives in. A game's position is a
// TurnState of the committed categories' bits, the sub total and whether 50 is in "Tovik!", and
// the rolls left are 3 less the rolls made this turn:
//
//     coach.startSolving(); // returns at once; ready() comes within about a second, then:
//     const Advice advice = coach.advise(state, dice, rollsLeft);
//     if (!advice.canAdvise)
//         ...; // "The coach cannot advise here."
//     const double best = expectedFinalScore(score, advice.choices.front());
//     // A choice's cost is best less its own expected final score: that of advice.findHold()
//     // or advice.findScore(), or score + advice.holdingAllFive when all five dice were held.
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

    // The solved table once ready, else nothing; it never changes after, so work on other
    // threads (reviewing a game, say) may keep and read it.
    std::shared_ptr<const ValueTable> table() const { return m_table; }

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
