#include "coach/tablesolver.h"

#include "coach/turnevaluator.h"

#include <algorithm>
#include <system_error>
#include <thread>

namespace {

// States solved side by side by one evaluator.
constexpr int Lanes = 8;

// A batch of up to Lanes states with the same used categories: those from first on.
struct Batch
{
    quint16 used = 0;
    int first = 0;
};

void solveBatch(TurnEvaluator<Lanes> &evaluator, ValueTable &table, const Batch &batch)
{
    const StateSpace &space = table.space();
    const int count = std::min(Lanes, space.slotsOf(batch.used) - batch.first);
    std::array<TurnState, Lanes> states;
    for (int lane = 0; lane < Lanes; ++lane)
        states[std::size_t(lane)]
                = space.representative(batch.used, batch.first + std::min(lane, count - 1));
    evaluator.evaluate(states);
    const int slot = space.firstSlot(batch.used) + batch.first;
    for (int lane = 0; lane < count; ++lane)
        table.set(slot + lane, evaluator.turnValue(lane));
}

} // namespace

TableSolver::TableSolver(quint16 usedAtStart) : m_usedAtStart(usedAtStart) { }

std::optional<ValueTable> TableSolver::solve(int threadCount)
{
    ValueTable table(m_usedAtStart);
    const StateSpace &space = table.space();
    std::array<std::vector<Batch>, CategoryCount> levels;
    qint64 slotsToSolve = 0;
    for (quint16 used = 0; used < AllCategories; ++used) {
        if (!space.covers(used))
            continue;
        const TurnState state {used, 0, false};
        for (int first = 0; first < space.slotsOf(used); first += Lanes)
            levels[std::size_t(state.usedCount())].push_back({used, first});
        slotsToSolve += space.slotsOf(used);
    }
    m_slotsToSolve = std::max<qint64>(slotsToSolve, 1);
    m_slotsDone = 0;
    m_percentReported = 0;

    // The states with every category used keep the value 0 the table starts with.
    for (auto level = levels.rbegin(); level != levels.rend() && !m_cancelled; ++level) {
        std::atomic<std::size_t> next = 0;
        auto work = [&] {
            TurnEvaluator<Lanes> evaluator(table);
            for (std::size_t i = next++; i < level->size() && !m_cancelled; i = next++) {
                const Batch &batch = (*level)[i];
                solveBatch(evaluator, table, batch);
                const int solved = std::min(Lanes, space.slotsOf(batch.used) - batch.first);
                reportProgress(m_slotsDone += solved);
            }
        };
        std::vector<std::thread> helpers;
        for (int t = 1; t < threadCount; ++t) {
            try {
                helpers.emplace_back(work);
            } catch (const std::system_error &) {
                break; // fewer threads only take longer
            }
        }
        work();
        for (std::thread &helper : helpers)
            helper.join();
    }
    if (m_cancelled)
        return std::nullopt;
    // Also when there was nothing to solve, the work is now all done.
    m_slotsDone = m_slotsToSolve.load();
    reportProgress(m_slotsDone);
    return table;
}

double TableSolver::progress() const
{
    return double(m_slotsDone) / double(m_slotsToSolve);
}

void TableSolver::setProgressHandler(std::function<void(double)> handler)
{
    m_progressHandler = std::move(handler);
}

void TableSolver::reportProgress(qint64 slotsDone)
{
    const int percent = int(slotsDone * 100 / m_slotsToSolve);
    if (percent <= m_percentReported)
        return;
    // A thread that was overtaken finds its hundredth reported already and stays silent.
    const std::lock_guard lock(m_reporting);
    if (percent <= m_percentReported)
        return;
    m_percentReported = percent;
    if (m_progressHandler)
        m_progressHandler(double(slotsDone) / double(m_slotsToSolve));
}
