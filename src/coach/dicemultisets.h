#pragma once

#include "game/scoring.h"

#include <array>
#include <span>
#include <vector>

// How many dice show each face: index 0 for ones up to index 5 for sixes.
using FaceCounts = std::array<qint8, 6>;

// Every multiset of zero to five dice, numbered once for the whole program: the 210 smaller
// than five dice first, by size, then the 252 distinct rolls of five. The coach values holds
// and rolls per multiset, since the order of the dice never matters.
class DiceMultisets
{
public:
    static constexpr int Count = 462;
    static constexpr int FirstRoll = 210;
    static constexpr int RollCount = Count - FirstRoll;

    static const DiceMultisets &instance();

    const FaceCounts &counts(int multiset) const { return m_counts[std::size_t(multiset)]; }
    int diceCount(int multiset) const;

    // The multiset with one more die showing face (1..6); only for fewer than five dice.
    int withDie(int multiset, int face) const
    {
        return m_withDie[std::size_t(multiset)][std::size_t(face - 1)];
    }

    // The distinct multisets with one die fewer, one for each face that shows.
    std::span<const qint16> oneDieFewer(int multiset) const
    {
        const auto m = std::size_t(multiset);
        return {m_fewer[m].data(), std::size_t(m_fewerCount[m])};
    }

    // The chance of rolling this multiset of five with five fair dice.
    double probability(int roll) const { return m_probability[std::size_t(roll - FirstRoll)]; }

    // The faces of a multiset in ascending order.
    std::vector<qint32> faces(int multiset) const;
    Dice rollDice(int roll) const;

    // The number of these face counts, or -1 when they are not zero to five dice.
    int indexOf(const FaceCounts &counts) const;

private:
    DiceMultisets();

    std::vector<FaceCounts> m_counts;
    std::vector<std::array<qint16, 6>> m_withDie;
    std::vector<std::array<qint16, 6>> m_fewer;
    std::vector<qint8> m_fewerCount;
    std::vector<double> m_probability;
};
