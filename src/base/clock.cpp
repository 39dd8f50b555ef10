#include "base/clock.h"

namespace {

std::function<QDateTime()> &replacement()
{
    static std::function<QDateTime()> clock;
    return clock;
}

} // namespace

namespace Clock {

QDateTime now()
{
    return replacement() ? replacement()().toUTC() : QDateTime::currentDateTimeUtc();
}

void set(std::function<QDateTime()> clock)
{
    replacement() = std::move(clock);
}

} // namespace Clock
