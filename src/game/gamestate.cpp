#include "game/gamestate.h"

void GameState::reset()
{
    diceLocked = false;
    rollCount = score = subTotal = pendingPoints = pendingSubTotalPoints = turnsScored = 0;
    remarkShown = categorySelected = subTotalBonusGiven = fiveOfAKindScored = false;
    clearHolds();
}

void GameState::evaluate(Category category)
{
    if (categorySelected)
        return;
    pendingPoints = categoryValue(category, diceValues);
    if (isUpperSection(category))
        pendingSubTotalPoints = pendingPoints;
}

Bonus GameState::commit()
{
    categorySelected = false;
    ++turnsScored;
    score += pendingPoints;
    subTotal += pendingSubTotalPoints;

    const bool subTotalReached = subTotal >= SubTotalBonusThreshold;
    const bool fiveOfAKind = isFiveOfAKind(diceValues);
    Bonus bonus = Bonus::None;
    if (!subTotalBonusGiven && fiveOfAKindScored && subTotalReached && fiveOfAKind) {
        bonus = Bonus::Combined;
        subTotalBonusGiven = true;
        score += ExtraFiveOfAKindPoints + SubTotalBonusPoints;
    } else if (fiveOfAKindScored && fiveOfAKind) {
        bonus = Bonus::ExtraFiveOfAKind;
        score += ExtraFiveOfAKindPoints;
    }
    if (!subTotalBonusGiven && subTotalReached) {
        bonus = Bonus::SubTotal;
        subTotalBonusGiven = true;
        score += SubTotalBonusPoints;
    }
    if (bonus != Bonus::None)
        remarkShown = true;

    if (pendingPoints == FiveOfAKindCategoryPoints && !fiveOfAKindScored)
        fiveOfAKindScored = true;

    rollCount = pendingPoints = pendingSubTotalPoints = 0;
    clearHolds();
    return bonus;
}
