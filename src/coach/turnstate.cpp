#include "coach/turnstate.h"

#include "game/bonus.h"

#include <bit>

int TurnState::usedCount() const
{
    return std::popcount(unsigned(usedCategories & AllCategories));
}

CommitResult commitPoints(const TurnState &state, Category category, qint32 points,
                          bool fiveOfAKind)
{
    CommitResult result;
    result.points = points;
    result.next = state;
    result.next.usedCategories = quint16(state.usedCategories | categoryBit(category));
    if (isUpperSection(category))
        result.next.subTotal += points;
    // The +35 is given exactly when the sub total first reaches the threshold, so a sub total
    // already there means it has been given.
    CommitFacts facts;
    facts.subTotal = result.next.subTotal;
    facts.subTotalBonusGiven = state.subTotal >= SubTotalBonusThreshold;
    facts.fiveOfAKindScored = state.fiveOfAKindScored;
    facts.fiveOfAKind = fiveOfAKind;
    result.bonus = bonusPoints(bonusForCommit(facts));
    result.next.fiveOfAKindScored = state.fiveOfAKindScored || armsExtraFiveOfAKindBonus(points);
    return result;
}

CommitResult commitDice(const TurnState &state, Category category, const Dice &dice)
{
    return commitPoints(state, category, categoryValue(category, dice), isFiveOfAKind(dice));
}

CommitKey commitKey(Category category, qint32 points, bool fiveOfAKind)
{
    return {isUpperSection(category) ? points : 0, armsExtraFiveOfAKindBonus(points), fiveOfAKind};
}
