#include "coach/valuetable.h"

ValueTable::ValueTable(quint16 usedAtStart)
    : m_space(usedAtStart), m_values(std::size_t(m_space.slotCount()), 0.0)
{
}

std::optional<double> ValueTable::value(const TurnState &state) const
{
    const int slot = m_space.slotOf(state);
    if (slot < 0)
        return std::nullopt;
    return at(slot);
}

std::size_t ValueTable::bytes() const
{
    return sizeof(*this) + m_space.heapBytes() + m_values.capacity() * sizeof(double);
}
