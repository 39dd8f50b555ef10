#include "coach/dicemultisets.h"

#include <algorithm>
#include <cmath>
#include <numeric>

static_assert(DiceMultisets::firstOfSize(5) == DiceMultisets::FirstRoll);
static_assert(DiceMultisets::firstOfSize(6) == DiceMultisets::Count);

namespace {

constexpr int MaxDice = 5;

int sizeOf(const FaceCounts &counts)
{
    return std::accumulate(counts.begin(), counts.end(), 0);
}

void appendMultisets(std::vector<FaceCounts> &out, FaceCounts &counts, int face, int diceLeft)
{
    if (face == 6) {
        if (diceLeft == 0)
            out.push_back(counts);
        return;
    }
    for (int n = diceLeft; n >= 0; --n) {
        counts[std::size_t(face)] = qint8(n);
        appendMultisets(out, counts, face + 1, diceLeft - n);
    }
    counts[std::size_t(face)] = 0;
}

double factorial(int n)
{
    double result = 1;
    for (int i = 2; i <= n; ++i)
        result *= i;
    return result;
}

} // namespace

const DiceMultisets &DiceMultisets::instance()
{
    static const DiceMultisets multisets;
    return multisets;
}

DiceMultisets::DiceMultisets()
{
    for (int size = 0; size <= MaxDice; ++size) {
        FaceCounts counts {};
        appendMultisets(m_counts, counts, 0, size);
    }
    m_withDie.resize(m_counts.size());
    for (std::size_t m = 0; m < m_counts.size(); ++m) {
        for (std::size_t face = 0; face < 6; ++face) {
            FaceCounts counts = m_counts[m];
            if (sizeOf(counts) < MaxDice) {
                ++counts[face];
                m_withDie[m][face] = qint16(indexOf(counts));
                --counts[face];
            }
            if (counts[face] > 0) {
                --counts[face];
                auto &removals = int(m) < FirstRoll ? m_holdRemovals : m_rollRemovals;
                removals[face].push_back({qint16(m), qint16(indexOf(counts))});
            }
        }
    }
    const double orderedRolls = std::pow(6.0, MaxDice);
    for (int roll = FirstRoll; roll < Count; ++roll) {
        double orders = factorial(MaxDice);
        for (qint8 n : counts(roll))
            orders /= factorial(n);
        m_probability.push_back(orders / orderedRolls);
    }
}

int DiceMultisets::diceCount(int multiset) const
{
    return sizeOf(counts(multiset));
}

std::vector<qint32> DiceMultisets::faces(int multiset) const
{
    std::vector<qint32> result;
    for (int face = 1; face <= 6; ++face)
        result.insert(result.end(), std::size_t(counts(multiset)[std::size_t(face - 1)]), face);
    return result;
}

Dice DiceMultisets::rollDice(int roll) const
{
    const std::vector<qint32> sorted = faces(roll);
    Dice dice {};
    std::copy(sorted.begin(), sorted.end(), dice.begin());
    return dice;
}

int DiceMultisets::indexOf(const FaceCounts &counts) const
{
    if (std::any_of(counts.begin(), counts.end(), [](qint8 n) { return n < 0; })
        || sizeOf(counts) > MaxDice)
        return -1;
    const auto found = std::find(m_counts.begin(), m_counts.end(), counts);
    return found == m_counts.end() ? -1 : int(found - m_counts.begin());
}
