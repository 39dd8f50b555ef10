#include "game/gamestate.h"

bool GameStarted = false;

void GameState::reset()
{
    DiceLocked = false;
    RollCount = Score = SubTotal = PendingPoints = PendingSubTotalPoints = TurnsScored = 0;
    MessageShown = ItemSelected = SubTotalBonusGiven = FiveOfAKindScored = false;
    clearHolds();
}

void GameState::evaluate(Category category)
{
    if (ItemSelected)
        return;
    PendingPoints = categoryValue(category, DiceValues);
    if (isUpperSection(category))
        PendingSubTotalPoints = PendingPoints;
}

Bonus GameState::commit()
{
    ItemSelected = false;
    ++TurnsScored;
    Score += PendingPoints;
    SubTotal += PendingSubTotalPoints;

    const bool subTotalReached = SubTotal >= SubTotalBonusThreshold;
    const bool fiveOfAKind = isFiveOfAKind(DiceValues);
    Bonus bonus = Bonus::None;
    if (!SubTotalBonusGiven && FiveOfAKindScored && subTotalReached && fiveOfAKind) {
        bonus = Bonus::Combined;
        SubTotalBonusGiven = true;
        Score += ExtraFiveOfAKindPoints + SubTotalBonusPoints;
    } else if (FiveOfAKindScored && fiveOfAKind) {
        bonus = Bonus::ExtraFiveOfAKind;
        Score += ExtraFiveOfAKindPoints;
    }
    if (!SubTotalBonusGiven && subTotalReached) {
        bonus = Bonus::SubTotal;
        SubTotalBonusGiven = true;
        Score += SubTotalBonusPoints;
    }
    if (bonus != Bonus::None)
        MessageShown = true;

    if (PendingPoints == FiveOfAKindCategoryPoints && !FiveOfAKindScored)
        FiveOfAKindScored = true;

    RollCount = PendingPoints = PendingSubTotalPoints = 0;
    clearHolds();
    return bonus;
}
