#pragma once

#include "game/scoring.h"

#include <QtGlobal>
#include <array>

// A bonus granted when a selection is committed; at most one per commit.
enum class Bonus { None, Combined, ExtraFiveOfAKind, SubTotal };

inline constexpr qint32 SubTotalBonusThreshold = 63;
inline constexpr qint32 SubTotalBonusPoints = 35;
inline constexpr qint32 ExtraFiveOfAKindPoints = 100;
inline constexpr qint32 FiveOfAKindCategoryPoints = 50;
inline constexpr int MaxRollsPerTurn = 3;
inline constexpr int TurnsPerGame = CategoryCount;

// The numbers of one game and the rules that change them. The main window shows them and
// drives them through its buttons; nothing here knows about controls.
struct GameState
{
    Dice DiceValues{};
    std::array<quint8, 5> HeldDice{};
    qint32 RollCount = 0;
    qint32 TurnsScored = 0;
    qint32 Score = 0;
    qint32 SubTotal = 0;
    qint32 PendingPoints = 0;
    qint32 PendingSubTotalPoints = 0;
    bool ItemSelected = false;
    bool SubTotalBonusGiven = false;
    bool FiveOfAKindScored = false;
    bool MessageShown = false;
    bool DiceLocked = false;

    // Everything back to the start of a game; the dice keep their values until the next roll.
    void reset();

    // Values the category for the current dice, unless a selection is already pending.
    void evaluate(Category category);

    // Adds the pending selection to the score and grants at most one bonus. The five-of-a-kind
    // bonus is checked before the first 50 arms it, so the commit that scores the first 50 in
    // the five-of-a-kind category never earns the +100 itself.
    Bonus commit();

    void clearHolds() { HeldDice.fill(0); }
    bool isHeld(int die) const { return HeldDice[std::size_t(die)] != 0; }
    void toggleHold(int die) { HeldDice[std::size_t(die)] = isHeld(die) ? 0 : 1; }
};

// Set once the first game of the run has started; the welcome window asks before a new player
// abandons it.
extern bool GameStarted;
