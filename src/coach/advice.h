#pragma once

#include "coach/valuetable.h"

#include <vector>

// One thing the player can do with the dice showing: score an open category now, or hold some
// of the dice and roll the others.
struct Choice
{
    enum class Kind { Score, Hold };

    Kind kind = Kind::Score;
    // Score: the category, its points for the dice showing and the bonus the commit earns.
    Category category = Category::Ones;
    qint32 points = 0;
    qint32 bonus = 0;
    // Hold: the faces held, in ascending order; none to roll all five dice.
    std::vector<qint32> heldDice;
    // The points this choice brings from now to the end of the game under optimal play, on
    // average: for a score, its points and bonus included.
    double expectedPoints = 0;
};

// The coach's word on one decision.
struct Advice
{
    // False when the position cannot be valued: then there are no choices, and the window says
    // "The coach cannot advise here."
    bool canAdvise = false;
    // Best first: every open category and, while rolls are left, every distinct hold of fewer
    // than five dice. Holding all five is not listed; it is worth holdingAllFive.
    std::vector<Choice> choices;
    double holdingAllFive = 0;

    // The listed choice that holds these faces (ascending), or scores the category; nothing
    // when the list has no such choice.
    const Choice *findHold(const std::vector<qint32> &heldDice) const;
    const Choice *findScore(Category category) const;
};

// Advises on a turn that started in state, with the dice showing and 2, 1 or 0 rolls left. The
// sub total is the game's own, not capped. Advises nothing for dice outside 1..6, rolls left
// outside 0..2, a state that cannot occur or lies outside the part of the game the table
// holds, or a state with every category used.
Advice advise(const ValueTable &table, const TurnState &state, const Dice &dice, int rollsLeft);

// The order of the advice: the higher expectation first; values that agree to nine decimals
// are equal, since one expectation reached by different sums can differ in its last bits. Of
// equal choices, scoring comes first, in category order, then holds with fewer dice, then holds
// of lower faces.
bool comesBefore(const Choice &a, const Choice &b);

// The final score to expect from a choice, with the points (bonuses included) scored so far.
inline double expectedFinalScore(qint32 scoredSoFar, const Choice &choice)
{
    return scoredSoFar + choice.expectedPoints;
}
