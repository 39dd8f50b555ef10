#pragma once

#include "game/scoring.h"

#include <QString>

// What a screen reader says once the dice have settled: "Rolled 2, 2, 5, 6, 6; die 3 held."
QString rollSummary(const Dice &dice, const std::array<quint8, 5> &held);
