#pragma once

#include "history/gamerecord.h"

#include <QByteArray>
#include <QList>

// The games as a CSV file that a spreadsheet opens as it is: UTF-8 with a byte order mark, a
// header row with the history's own column names, CR LF line ends, and fields quoted as
// RFC 4180 says. A player's name that a spreadsheet would take for a formula is written with a
// leading apostrophe, which keeps it text.
QByteArray gamesCsv(const QList<GameRecord> &games);
