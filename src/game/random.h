#pragma once

#include <cstdint>

// The process's one source of random numbers: a linear congruential generator, seeded once
// from the time of day when the main window is created. Tests seed it explicitly.
class RandomGenerator
{
public:
    explicit RandomGenerator(std::uint32_t seed = 0) : m_seed(seed) { }

    void setSeed(std::uint32_t seed) { m_seed = seed; }
    std::uint32_t seed() const { return m_seed; }

    // A uniform integer in 0 .. n - 1: the seed advances as seed * 134775813 + 1 modulo 2^32,
    // and the result is the upper half of the 64-bit product seed * n.
    int next(int n);

private:
    std::uint32_t m_seed;
};

RandomGenerator &processRandom();

// randomBelow(n) of the process's generator.
int randomBelow(int n);

// Milliseconds since midnight, UTC: the seed the program starts with.
std::uint32_t timeOfDaySeed();
