#pragma once

#include "coach/dicemultisets.h"
#include "coach/valuetable.h"

#include <array>
#include <vector>

// Values one turn under optimal play, for a batch of turn-start states that share their used
// categories, and keeps every intermediate value the advice needs: scoring each category with
// each roll, and holding each multiset of dice with one or two rolls left. The values of the
// states after the turn come from the table. The batch is worked through side by side, so that
// the compiler can compute the states of a batch together.
template<int Lanes> class TurnEvaluator
{
public:
    using LaneValues = std::array<double, Lanes>;

    explicit TurnEvaluator(const ValueTable &table);

    // The states must share their used categories, leave at least one open, and be states the
    // table can value or its representatives.
    void evaluate(const std::array<TurnState, Lanes> &states);

    // The expected points still to come from the start of the turn.
    double turnValue(int lane) const { return m_turnValue[std::size_t(lane)]; }

    // Scoring an open category with a roll: its points, the bonus, and the points to come after.
    double scoreValue(Category category, int roll, int lane) const;

    // Holding a multiset of fewer than five dice and rolling the others, with 1 or 2 rolls left.
    double holdValue(int rollsLeft, int multiset, int lane) const
    {
        return m_holds[std::size_t(rollsLeft - 1)][std::size_t(multiset)][std::size_t(lane)];
    }

private:
    void valueCommits(const std::array<TurnState, Lanes> &states);
    void valueHolds(const LaneValues *rollValues, std::vector<LaneValues> &holds);
    void bestHolds(const std::vector<LaneValues> &holds);
    void valueRollsWithRollsLeft(std::vector<LaneValues> &values) const;

    const ValueTable &m_table;
    quint16 m_used = 0;
    std::vector<LaneValues> m_keyValues;
    std::vector<LaneValues> m_commits;
    std::vector<LaneValues> m_scoreNow;
    std::array<std::vector<LaneValues>, 2> m_rollsLeft; // each roll's value with 1 and 2 left
    std::array<std::vector<LaneValues>, 2> m_holds;
    std::vector<LaneValues> m_bestHold;
    LaneValues m_turnValue {};
};
