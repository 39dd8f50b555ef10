#include "coach/statespace.h"

#include "coach/dicemultisets.h"

#include <algorithm>

namespace {

constexpr int UpperCategories = 6;
constexpr quint16 UpperSets = 1u << UpperCategories;

// The points each upper category can take, and the most it can take.
struct UpperValues
{
    std::array<std::vector<qint32>, UpperCategories> values;
    std::array<qint32, UpperCategories> most {};
};

UpperValues upperValues()
{
    const DiceMultisets &multisets = DiceMultisets::instance();
    UpperValues upper;
    for (int c = 0; c < UpperCategories; ++c) {
        std::vector<qint32> &values = upper.values[std::size_t(c)];
        for (int roll = DiceMultisets::FirstRoll; roll < DiceMultisets::Count; ++roll)
            values.push_back(categoryValue(Category(c), multisets.rollDice(roll)));
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        upper.most[std::size_t(c)] = values.back();
    }
    return upper;
}

} // namespace

StateSpace::StateSpace(quint16 usedAtStart)
    : m_usedAtStart(quint16(usedAtStart & AllCategories)), m_firstSlot(AllCategories + 1, -1)
{
    const UpperValues upper = upperValues();
    for (quint16 u = 0; u < UpperSets; ++u) {
        std::bitset<128> reachable;
        reachable.set(0);
        qint32 mostToCome = 0;
        for (int c = 0; c < UpperCategories; ++c) {
            if ((u >> c & 1) == 0) {
                mostToCome += upper.most[std::size_t(c)];
                continue;
            }
            std::bitset<128> sums;
            for (qint32 value : upper.values[std::size_t(c)])
                sums |= reachable << std::size_t(value);
            reachable = sums;
        }
        m_reachable[u] = reachable;
        // Every sub total that can no longer earn the +35 shares one class.
        int classes = 0;
        int settledClass = -1;
        for (int subTotal = 0; subTotal <= SubTotalCap; ++subTotal) {
            const bool settled = subTotal >= SubTotalCap || subTotal + mostToCome < SubTotalCap;
            const bool reached = subTotal < SubTotalCap
                    ? reachable[std::size_t(subTotal)]
                    : (reachable >> std::size_t(SubTotalCap)).any();
            if (!reached)
                continue;
            if (settled && settledClass < 0) {
                settledClass = classes++;
                m_classSubTotal[u][std::size_t(settledClass)] = qint8(SubTotalCap);
            } else if (!settled) {
                m_classSubTotal[u][std::size_t(classes)] = qint8(subTotal);
            }
            m_classOf[u][std::size_t(subTotal)] = qint8(settled ? settledClass : classes++);
        }
        m_classCount[u] = classes;
    }
    for (quint16 used = 0; used <= AllCategories; ++used) {
        if (covers(used)) {
            m_firstSlot[used] = m_slotCount;
            m_slotCount += slotsOf(used);
        }
    }
}

int StateSpace::flagSlots(quint16 used) const
{
    return (used & categoryBit(Category::FiveOfAKind)) != 0 ? 2 : 1;
}

int StateSpace::slotsOf(quint16 used) const
{
    return m_classCount[std::size_t(upperPart(used))] * flagSlots(used);
}

int StateSpace::slotOf(const TurnState &state) const
{
    const quint16 used = state.usedCategories;
    if (!covers(used) || state.subTotal < 0 || state.subTotal >= 128
        || !m_reachable[std::size_t(upperPart(used))][std::size_t(state.subTotal)]
        || (state.fiveOfAKindScored && flagSlots(used) == 1))
        return -1;
    return slotFor(used, state.subTotal, state.fiveOfAKindScored);
}

int StateSpace::slotFor(quint16 used, qint32 subTotal, bool fiveOfAKindScored) const
{
    const auto u = std::size_t(upperPart(used));
    const int subTotalClass = m_classOf[u][std::size_t(std::min(subTotal, SubTotalCap))];
    return m_firstSlot[used] + (fiveOfAKindScored ? m_classCount[u] : 0) + subTotalClass;
}

TurnState StateSpace::representative(quint16 used, int index) const
{
    const auto u = std::size_t(upperPart(used));
    TurnState state;
    state.usedCategories = used;
    state.fiveOfAKindScored = index >= m_classCount[u];
    state.subTotal = m_classSubTotal[u][std::size_t(index % m_classCount[u])];
    return state;
}
