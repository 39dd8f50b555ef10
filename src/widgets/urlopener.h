#pragma once

#include <QString>

// The one place where the program asks the desktop to open a web address, a "mailto:" target
// or a file. Returns false when the desktop could not open it.
bool openUrl(const QString &target);
