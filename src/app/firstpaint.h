#pragma once

#include <functional>

class QObject;

// Runs the work from the message loop once a window of the program has painted for the first
// time, unless the context has gone: for work that can wait until the player sees the program,
// and must not hold up its start.
void afterFirstPaint(QObject *context, std::function<void()> work);
