#include "game/random.h"

#include <QDateTime>

int RandomGenerator::next(int n)
{
    m_seed = m_seed * 134775813u + 1u;
    return int((std::uint64_t(m_seed) * std::uint32_t(n)) >> 32);
}

RandomGenerator &processRandom()
{
    static RandomGenerator generator;
    return generator;
}

int randomBelow(int n)
{
    return processRandom().next(n);
}

std::uint32_t timeOfDaySeed()
{
    return std::uint32_t(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}
