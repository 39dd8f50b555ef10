#pragma once

#include "coach/valuetable.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>

// Solves the game by backward induction: the states with every category used are worth
// nothing more, and each state with one category fewer is valued from the states after it,
// level by level down to the start. The states of one level are shared among threads; each
// value is computed whole by one thread in a fixed order, so the table comes out the same to
// the bit whatever the number of threads and their timing.
class TableSolver
{
public:
    // Solves the part of the game after the given categories are used; none: the whole game.
    explicit TableSolver(quint16 usedAtStart = 0);

    // Nothing when cancelled. Runs on the calling thread and threadCount - 1 more.
    std::optional<ValueTable> solve(int threadCount);

    // Both may be called from any thread while solve() runs.
    void cancel() { m_cancelled = true; }
    double progress() const;

    // Called from the solving threads, one at a time and with rising fractions, each time
    // another hundredth of the work is done.
    void setProgressHandler(std::function<void(double)> handler);

private:
    void reportProgress(qint64 slotsDone);

    quint16 m_usedAtStart;
    std::atomic<bool> m_cancelled = false;
    std::atomic<qint64> m_slotsDone = 0;
    std::atomic<qint64> m_slotsToSolve = 1;
    std::atomic<int> m_percentReported = 0;
    std::mutex m_reporting;
    std::function<void(double)> m_progressHandler;
};
