#pragma once

#include "history/gamerecord.h"

#include <QString>

class QSqlQuery;

// How a game becomes a row of the games table and back.

// The table's columns for a SELECT, in the order recordFromRow reads them.
QString gameColumnList();

// An INSERT of one game's row, with a placeholder for each column but the id, which bindGame
// fills.
QString insertGameStatement();
void bindGame(QSqlQuery &query, const GameRecord &game);

// The row's columns in the order of gameColumnList(), then the log when it was selected too.
GameRecord recordFromRow(const QSqlQuery &query, bool withLog);
