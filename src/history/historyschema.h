#pragma once

#include "game/scoring.h"

#include <QStringList>

#include <array>

class QSqlDatabase;
class QSqlError;

// The layout of history.sqlite, versioned by PRAGMA user_version. Each version adds one step to
// the list of upgrades, so that a file of any earlier version is brought up to date in place.
namespace HistorySchema {

// The version this program writes; a file of a later version belongs to a newer program.
int currentVersion();

// The column of games that holds each category's points, by Category.
inline constexpr std::array<const char16_t *, CategoryCount> CategoryColumns = {
        u"ones",           u"twos",           u"threes",          u"fours",
        u"fives",          u"sixes",          u"three_of_a_kind", u"four_of_a_kind",
        u"full_house",     u"small_straight", u"large_straight",  u"chance",
        u"five_of_a_kind",
};

// Every column of games that the program reads and writes, id first, in one order for all.
QStringList gameColumns();

// Runs the steps from the file's version up to the current one. The caller holds a write
// transaction, so that two programs upgrading one file at once cannot both run a step. Returns
// the error of the step that failed, or no error.
QSqlError upgrade(QSqlDatabase &database, int fromVersion);

} // namespace HistorySchema
