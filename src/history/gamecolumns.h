#pragma once

#include "game/scoring.h"

#include <QDateTime>
#include <QStringList>

#include <array>

// The names of the games table's columns and the form of its times, which players query and
// the CSV export repeats.
namespace HistorySchema {

// The column that holds each category's points, by Category.
inline constexpr std::array<const char16_t *, CategoryCount> CategoryColumns = {
        u"ones",           u"twos",           u"threes",          u"fours",
        u"fives",          u"sixes",          u"three_of_a_kind", u"four_of_a_kind",
        u"full_house",     u"small_straight", u"large_straight",  u"chance",
        u"five_of_a_kind",
};

// Every column of games that the program reads and writes, id first, in one order for all.
inline QStringList gameColumns()
{
    using namespace Qt::StringLiterals;
    QStringList columns
            = {u"id"_s, u"player"_s, u"started_at"_s, u"finished_at"_s, u"finished"_s, u"score"_s};
    for (const char16_t *column : CategoryColumns)
        columns.append(QString::fromUtf16(column));
    columns << u"upper_bonus"_s << u"extra_bonus"_s << u"coach_cost"_s << u"coach_choices"_s;
    return columns;
}

// A time as the history and its export write it: ISO 8601 in UTC, to the millisecond.
inline QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

} // namespace HistorySchema
