#pragma once

#include "game/scoring.h"

#include <array>
#include <span>
#include <vector>

// How many dice show each face: index 0 for ones up to index 5 for sixes.
using FaceCounts = std::array<qint8, 6>;

// A multiset and the multiset with one die of a given face fewer.
struct DieRemoval
{
    qint16 from = 0;
    qint16 to = 0;
};

// Every multiset of zero to five dice, numbered once for the whole program: the 210 smaller
// than five dice first, by size, then the 252 distinct rolls of five. The coach values holds
// and rolls per multiset, since the order of the dice never matters.
class DiceMultisets
{
public:
    static constexpr int Count = 462;
    static constexpr int FirstRoll = 210; // the first of the five-dice multisets
    static constexpr int RollCount = Count - FirstRoll;

    static const DiceMultisets &instance();

    // The multisets of n dice are numbered from firstOfSize(n) on.
    static constexpr int firstOfSize(int n)
    {
        int first = 0;
        for (int size = 0, ofSize = 1; size < n; ++size) {
            first += ofSize;
            ofSize = ofSize * (size + 6) / (size + 1); // multisets of size + 1 dice
        }
        return first;
    }

    const FaceCounts &counts(int multiset) const { return m_counts[std::size_t(multiset)]; }
    int diceCount(int multiset) const;

    // The multiset with one more die showing face (1..6); only for fewer than five dice.
    int withDie(int multiset, int face) const
    {
        return m_withDie[std::size_t(multiset)][std::size_t(face - 1)];
    }

    // Every multiset of fewer than five dice that shows the face, with the one that has one
    // such die fewer, in ascending order; the same for the rolls of five.
    std::span<const DieRemoval> holdRemovals(int face) const
    {
        return m_holdRemovals[std::size_t(face - 1)];
    }
    std::span<const DieRemoval> rollRemovals(int face) const
    {
        return m_rollRemovals[std::size_t(face - 1)];
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
    std::array<std::vector<DieRemoval>, 6> m_holdRemovals;
    std::array<std::vector<DieRemoval>, 6> m_rollRemovals;
    std::vector<double> m_probability;
};
