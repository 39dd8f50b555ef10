#pragma once

#include "game/scoring.h"

#include <QtGlobal>
#include <map>
#include <tuple>
#include <vector>

// Solves small games the plain way, for the coach's tests: every ordered roll, every subset of
// dice positions held, and the bonuses as the rules state them. Shares no code with the coach.
class BruteForce
{
public:
    // The expected points still to come under optimal play from the start of a turn.
    double value(quint16 usedCategories, qint32 subTotal, bool fiveOfAKindScored);

private:
    static constexpr std::size_t Multisets = 462; // of zero to five dice
    using KeyedValues = std::vector<double>; // by the number of a multiset of dice

    double commitValue(quint16 used, qint32 subTotal, bool armed, Category category,
                       const Dice &dice);
    double turnValue(const KeyedValues &scoreNow) const;
    KeyedValues withOneMoreRoll(const KeyedValues &values, const KeyedValues &scoreNow) const;

    std::map<std::tuple<quint16, qint32, bool>, double> m_memo;
};
