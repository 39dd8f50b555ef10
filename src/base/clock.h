#pragma once

#include <QDateTime>

#include <functional>

// The one place where the program reads the time of day, so that tests can set it.
namespace Clock {

// The current time in UTC.
QDateTime now();

// Puts another clock in the system's place; an empty function brings the system's back.
void set(std::function<QDateTime()> clock);

} // namespace Clock
