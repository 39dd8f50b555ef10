#pragma once

#include "coach/advice.h"

#include <QString>

// How the coach names a choice to the player, in its window, its reviews and what a screen
// reader hears: "hold 3 3 and roll", "roll all five dice" or "score Chance for 23", the category
// by its button's caption.
QString choiceText(const Choice &choice);

// The five dice as the coach's reviews list them, die 1 to die 5: "2 2 5 6 6".
QString diceText(const Dice &dice);

// Points as the coach shows every expectation and cost: with two decimals, "243.18".
QString pointsText(double points);
