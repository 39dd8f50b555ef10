#pragma once

#include "game/scoring.h"

#include <QtGlobal>

inline constexpr quint16 categoryBit(Category category)
{
    return quint16(1u << int(category));
}

inline constexpr quint16 AllCategories = quint16((1u << CategoryCount) - 1);

// A position at the start of a turn, as far as the rest of the game depends on it. The points
// scored so far do not change what is still to come, so they are not part of it.
struct TurnState
{
    quint16 usedCategories = 0; // bit i set when Category(i) has been committed
    qint32 subTotal = 0; // the upper sub total as the game counts it
    bool fiveOfAKindScored = false; // 50 points are in the five-of-a-kind category

    bool isUsed(Category category) const { return (usedCategories & categoryBit(category)) != 0; }
    int usedCount() const;

    friend bool operator==(const TurnState &, const TurnState &) = default;
};

// What committing one category brings: its points, the bonus of the commit and the state the
// next turn starts in.
struct CommitResult
{
    qint32 points = 0;
    qint32 bonus = 0;
    TurnState next;
};

// Commits points to an open category; fiveOfAKind tells whether the committed dice show one face.
CommitResult commitPoints(const TurnState &state, Category category, qint32 points,
                          bool fiveOfAKind);

// Commits the category's value for these dice.
CommitResult commitDice(const TurnState &state, Category category, const Dice &dice);

// Commits to one category whose keys are equal bring the same bonus and the same next state;
// only their points differ. The points reach the rest of the game only through the upper sub
// total and the arming of the +100, and the bonus looks at the dice only for a five of a kind.
struct CommitKey
{
    qint32 subTotalPoints = 0;
    bool armsExtraBonus = false;
    bool fiveOfAKind = false;

    friend bool operator==(const CommitKey &, const CommitKey &) = default;
};

CommitKey commitKey(Category category, qint32 points, bool fiveOfAKind);
