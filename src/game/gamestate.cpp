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

    const Bonus bonus = bonusForCommit(
            {subTotal, subTotalBonusGiven, fiveOfAKindScored, isFiveOfAKind(diceValues)});
    score += bonusPoints(bonus);
    if (givesSubTotalBonus(bonus))
        subTotalBonusGiven = true;
    if (bonus != Bonus::None)
        remarkShown = true;
    if (armsExtraFiveOfAKindBonus(pendingPoints))
        fiveOfAKindScored = true;

    rollCount = pendingPoints = pendingSubTotalPoints = 0;
    clearHolds();
    return bonus;
}
