#include "game/bonus.h"

Bonus bonusForCommit(const CommitFacts &facts)
{
    const bool subTotalReached = facts.subTotal >= SubTotalBonusThreshold;
    const bool extraFiveOfAKind = facts.fiveOfAKindScored && facts.fiveOfAKind;
    if (!facts.subTotalBonusGiven && subTotalReached && extraFiveOfAKind)
        return Bonus::Combined;
    if (extraFiveOfAKind)
        return Bonus::ExtraFiveOfAKind;
    if (!facts.subTotalBonusGiven && subTotalReached)
        return Bonus::SubTotal;
    return Bonus::None;
}

qint32 bonusPoints(Bonus bonus)
{
    switch (bonus) {
    case Bonus::None:
        return 0;
    case Bonus::Combined:
        return ExtraFiveOfAKindPoints + SubTotalBonusPoints;
    case Bonus::ExtraFiveOfAKind:
        return ExtraFiveOfAKindPoints;
    case Bonus::SubTotal:
        return SubTotalBonusPoints;
    }
    return 0;
}
