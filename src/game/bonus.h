#pragma once

#include <QtGlobal>

// A bonus granted when a selection is committed; at most one per commit.
enum class Bonus { None, Combined, ExtraFiveOfAKind, SubTotal };

inline constexpr qint32 SubTotalBonusThreshold = 63;
inline constexpr qint32 SubTotalBonusPoints = 35;
inline constexpr qint32 ExtraFiveOfAKindPoints = 100;
inline constexpr qint32 FiveOfAKindCategoryPoints = 50;

// What a commit's bonus checks look at: the sub total with the committed points already in
// it, the two flags as they stood before the commit, and whether the committed dice are a
// five of a kind, whatever category takes them.
struct CommitFacts
{
    qint32 subTotal = 0;
    bool subTotalBonusGiven = false;
    bool fiveOfAKindScored = false;
    bool fiveOfAKind = false;
};

// The bonus a commit earns. Play and analysis both ask here, so that they cannot disagree.
Bonus bonusForCommit(const CommitFacts &facts);

qint32 bonusPoints(Bonus bonus);

// Whether the bonus counts as the sub-total bonus having been given.
constexpr bool givesSubTotalBonus(Bonus bonus)
{
    return bonus == Bonus::Combined || bonus == Bonus::SubTotal;
}

// Only the five-of-a-kind category can take exactly 50 points; doing so arms the +100 for every
// later five of a kind. The commit that scores it never earns the +100 itself.
constexpr bool armsExtraFiveOfAKindBonus(qint32 committedPoints)
{
    return committedPoints == FiveOfAKindCategoryPoints;
}
