#pragma once

#include "game/bonus.h"
#include "game/game.h"
#include "game/scoring.h"

#include <QtGlobal>
#include <array>

// The numbers of one game and the rules that change them. The main window shows them and
// drives them through its buttons; nothing here knows about controls.
struct GameState
{
    Dice diceValues{};
    std::array<quint8, 5> heldDice{};
    qint32 rollCount = 0;
    qint32 turnsScored = 0;
    qint32 score = 0;
    qint32 subTotal = 0;
    qint32 pendingPoints = 0;
    qint32 pendingSubTotalPoints = 0;
    bool categorySelected = false;
    bool subTotalBonusGiven = false;
    bool fiveOfAKindScored = false;
    bool remarkShown = false;
    bool diceLocked = false;

    // Everything back to the start of a game; the dice keep their values until the next roll.
    void reset();

    // Values the category for the current dice, unless a selection is already pending.
    void evaluate(Category category);

    // Adds the pending selection to the score and grants at most one bonus. The five-of-a-kind
    // bonus is checked before the first 50 arms it, so the commit that scores the first 50 in
    // the five-of-a-kind category never earns the +100 itself.
    Bonus commit();

    void clearHolds() { heldDice.fill(0); }
    bool isHeld(int die) const { return heldDice[std::size_t(die)] != 0; }
    void toggleHold(int die) { heldDice[std::size_t(die)] = isHeld(die) ? 0 : 1; }
};
