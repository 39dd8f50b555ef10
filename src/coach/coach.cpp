#include "coach/coach.h"

#include "coach/tablesolver.h"

Coach::Coach(QObject *parent) : QObject(parent) { }

Coach::~Coach()
{
    if (m_solver)
        m_solver->cancel();
    if (m_thread.joinable())
        m_thread.join();
}

void Coach::startSolving(quint16 usedAtStart)
{
    if (m_solver)
        return;
    m_solver = std::make_unique<TableSolver>(usedAtStart);
    m_solver->setProgressHandler([this](double fraction) { Q_EMIT progressChanged(fraction); });
    const int threadCount = int(std::max(1u, std::thread::hardware_concurrency()));
    m_thread = std::thread([this, threadCount] {
        std::optional<ValueTable> table = m_solver->solve(threadCount);
        if (!table)
            return;
        auto solved = std::make_shared<const ValueTable>(std::move(*table));
        // The table is handed over in the coach's own thread, where it is read.
        QMetaObject::invokeMethod(
                this,
                [this, solved] {
                    m_thread.join();
                    m_table = solved;
                    Q_EMIT ready();
                },
                Qt::QueuedConnection);
    });
}

double Coach::progress() const
{
    return m_solver ? m_solver->progress() : 0.0;
}

std::optional<double> Coach::pointsToCome(const TurnState &state) const
{
    if (!m_table)
        return std::nullopt;
    return m_table->value(state);
}

Advice Coach::advise(const TurnState &state, const Dice &dice, int rollsLeft) const
{
    if (!m_table)
        return {};
    return ::advise(*m_table, state, dice, rollsLeft);
}
