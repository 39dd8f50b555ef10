#pragma once

#include "coach/statespace.h"

#include <cstddef>
#include <optional>
#include <vector>

// The expected points still to come under optimal play from each numbered turn-start state:
// the solver's result, which the advice reads. The value of the whole game is the value of
// the state with nothing used.
class ValueTable
{
public:
    explicit ValueTable(quint16 usedAtStart = 0);

    const StateSpace &space() const { return m_space; }

    // Nothing when the state cannot occur or lies outside the solved part of the game.
    std::optional<double> value(const TurnState &state) const;

    double at(int slot) const { return m_values[std::size_t(slot)]; }
    void set(int slot, double value) { m_values[std::size_t(slot)] = value; }

    // The memory the table holds, its numbering included.
    std::size_t bytes() const;

private:
    StateSpace m_space;
    std::vector<double> m_values;
};
