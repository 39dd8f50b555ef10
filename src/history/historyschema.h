#pragma once

#include "history/gamecolumns.h"

class QSqlDatabase;
class QSqlError;

// The layout of history.sqlite, versioned by PRAGMA user_version. Each version adds one step to
// the list of upgrades, so that a file of any earlier version is brought up to date in place.
namespace HistorySchema {

// The version this program writes; a file of a later version belongs to a newer program.
int currentVersion();

// Runs the steps from the file's version up to the current one. The caller holds a write
// transaction, so that two programs upgrading one file at once cannot both run a step. Returns
// the error of the step that failed, or no error.
QSqlError upgrade(QSqlDatabase &database, int fromVersion);

} // namespace HistorySchema
