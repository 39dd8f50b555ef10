#pragma once

class QObject;
class QString;

// The program's own modules: libraries that the program loads the first time it needs them,
// so that what they link costs nothing before then. The build tree keeps them beside the
// program, an installation in a folder of their own.

// The module's one object, or nullptr when the module cannot be found or loaded.
QObject *loadProgramModule(const QString &fileName);

// Where a program that is not the game itself (a test, a benchmark) finds the modules; called
// before the first loadProgramModule().
void findProgramModulesIn(const QString &folder);
