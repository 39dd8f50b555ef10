#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The five dice, die 1 to die 5 from left to right, each 1..6 once rolled.
using Dice = std::array<qint32, 5>;

// The thirteen scoring categories in the order of their buttons; Ones to Sixes are the upper
// section, whose points also count towards the sub total.
enum class Category {
    Ones,
    Twos,
    Threes,
    Fours,
    Fives,
    Sixes,
    ThreeOfAKind,
    FourOfAKind,
    FullHouse,
    SmallStraight,
    LargeStraight,
    Chance,
    FiveOfAKind
};

inline constexpr int CategoryCount = 13;

constexpr bool isUpperSection(Category category)
{
    return category <= Category::Sixes;
}

// True when one face shows on all five dice.
bool isFiveOfAKind(const Dice &dice);

// What the category is worth for these dice.
qint32 categoryValue(Category category, const Dice &dice);

// The category's name as its button on the game window shows it, "Full House" or "Tovik!", which
// every text about a category repeats.
QString categoryCaption(Category category);
