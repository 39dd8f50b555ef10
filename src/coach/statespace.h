#pragma once

#include "coach/turnstate.h"
#include "game/bonus.h"

#include <array>
#include <bitset>
#include <vector>

// Numbers the turn-start states that the coach values: those reachable in a game whose used
// categories include a given set (none, for the whole game). States that cannot differ in what
// is still to come share one number: once the +35 has been given or is out of reach, the sub
// total no longer matters, and every sub total from 63 up is the same.
class StateSpace
{
public:
    static constexpr int SubTotalCap = SubTotalBonusThreshold;

    explicit StateSpace(quint16 usedAtStart = 0);

    quint16 usedAtStart() const { return m_usedAtStart; }
    // Whether states with these used categories are numbered.
    bool covers(quint16 used) const
    {
        return used <= AllCategories && (used & m_usedAtStart) == m_usedAtStart;
    }

    int slotCount() const { return m_slotCount; }
    // The slots of the states with these used categories are first .. first + count - 1.
    int firstSlot(quint16 used) const { return m_firstSlot[used]; }
    int slotsOf(quint16 used) const;

    // The slot of a state the coach may meet, or -1 when it cannot occur or is not numbered.
    int slotOf(const TurnState &state) const;

    // The slot of a covered state, for a sub total of 0 or more as a commit leaves it; no checks.
    int slotFor(quint16 used, qint32 subTotal, bool fiveOfAKindScored) const;

    // A state that stands for everything in the slot: the solver works with it.
    TurnState representative(quint16 used, int index) const;

    // The memory the numbering holds beyond the object itself.
    std::size_t heapBytes() const { return m_firstSlot.capacity() * sizeof(int); }

private:
    static int upperPart(quint16 used) { return used & 63; }
    int flagSlots(quint16 used) const;

    quint16 m_usedAtStart;
    int m_slotCount = 0;
    std::vector<int> m_firstSlot;
    // Per set of used upper categories: the sub totals they can make, the class of each capped
    // sub total, the number of classes and a sub total that stands for each class.
    std::array<std::bitset<128>, 64> m_reachable {};
    std::array<std::array<qint8, SubTotalCap + 1>, 64> m_classOf {};
    std::array<int, 64> m_classCount {};
    std::array<std::array<qint8, SubTotalCap + 1>, 64> m_classSubTotal {};
};
