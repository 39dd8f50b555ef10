#pragma once

#include "coach/advice.h"
#include "game/gamelog.h"

#include <vector>

struct Position;

// The turn-start state of the turn a game's position is in.
TurnState turnStateOf(const Position &position);

// A choice of the player's that became final, with the coach's valuation: a hold at the roll
// it was made for, or a category at its commit. Holds changed back and forth before a roll
// count once, as they stood at the roll.
struct ReviewedChoice
{
    int turn = 1; // 1 to 13
    int rollsLeft = 0; // at the decision: 2, 1 or 0
    Dice dice {}; // showing at the decision
    qint32 scoreBefore = 0; // the game's score at the decision, bonuses included
    Choice made;
    Choice best;

    // The expected final points lost against the best choice; 0 when the choice was the best.
    double cost() const;
};

// One turn of a reviewed game: the dice of each of its rolls, and its final choices in order.
struct ReviewedTurn
{
    std::vector<Dice> rolls;
    std::vector<ReviewedChoice> choices;
};

// A game, or the part of it played so far, valued choice by choice.
struct GameReview
{
    // False when a decision could not be valued; the review then ends before it.
    bool valued = true;
    std::vector<ReviewedTurn> turns;

    double totalCost() const;
    int choiceCount() const;
    // The last choice that became final, or nullptr before the first.
    const ReviewedChoice *lastChoice() const;
};

// Values every final choice of a game's log; the log is one that a game made or accepted.
// Takes well under a millisecond per choice, and only reads the table, so it may run on any
// thread.
GameReview reviewGame(const ValueTable &table, const GameLog &log);
