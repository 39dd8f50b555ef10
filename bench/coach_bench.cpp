// Measures the coach: the whole table's solve (median of 5 runs), the memory the table holds,
// and the advice for one decision, and checks that every solve gave the same table to the bit.

#include "coach/advice.h"
#include "coach/tablesolver.h"
#include "game/random.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <thread>
#include <vector>

namespace {

double medianOf(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

bool sameBits(const ValueTable &a, const ValueTable &b)
{
    const int slots = a.space().slotCount();
    if (slots != b.space().slotCount())
        return false;
    for (int slot = 0; slot < slots; ++slot) {
        const double x = a.at(slot);
        const double y = b.at(slot);
        if (std::memcmp(&x, &y, sizeof x) != 0)
            return false;
    }
    return true;
}

struct Timings
{
    std::vector<double> wall; // milliseconds
    std::vector<double> processor; // milliseconds of all the process's threads together
};

double processorMilliseconds()
{
    return double(std::clock()) * 1000.0 / CLOCKS_PER_SEC;
}

ValueTable timedSolves(int threads, int runs, Timings &timings, bool &identical)
{
    std::optional<ValueTable> first;
    identical = true;
    for (int run = 0; run < runs; ++run) {
        TableSolver solver;
        QElapsedTimer timer;
        const double processorStart = processorMilliseconds();
        timer.start();
        std::optional<ValueTable> table = solver.solve(threads);
        timings.wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        timings.processor.push_back(processorMilliseconds() - processorStart);
        if (!first)
            first = std::move(table);
        else
            identical = identical && sameBits(*first, *table);
    }
    return std::move(*first);
}

// Advice at the start of a game, where all thirteen categories are open: the most work.
void benchmarkAdvice(const ValueTable &table)
{
    RandomGenerator random(1);
    std::vector<double> microseconds;
    for (int i = 0; i < 2000; ++i) {
        Dice dice {};
        for (qint32 &die : dice)
            die = random.next(6) + 1;
        QElapsedTimer timer;
        timer.start();
        const Advice advice = advise(table, TurnState {}, dice, 1 + i % 2);
        microseconds.push_back(double(timer.nsecsElapsed()) / 1e3);
        if (!advice.canAdvise)
            std::printf("advice failed\n");
    }
    std::sort(microseconds.begin(), microseconds.end());
    std::printf("advice for one decision, 13 categories open: %.1f us median, %.1f us at the 99th "
                "percentile\n",
                medianOf(microseconds), microseconds[microseconds.size() * 99 / 100]);
}

} // namespace

int main()
{
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    Timings solves;
    bool identical = false;
    const ValueTable table = timedSolves(threads, 5, solves, identical);
    std::printf("whole table on %d threads: %.0f ms median of %zu (%.0f to %.0f ms), processor "
                "time %.0f ms\n",
                threads, medianOf(solves.wall), solves.wall.size(),
                *std::min_element(solves.wall.begin(), solves.wall.end()),
                *std::max_element(solves.wall.begin(), solves.wall.end()),
                medianOf(solves.processor));
    Timings single;
    bool singleIdentical = false;
    const ValueTable singleTable = timedSolves(1, 1, single, singleIdentical);
    std::printf("whole table on 1 thread: %.0f ms, processor time %.0f ms\n", single.wall.front(),
                single.processor.front());
    std::printf("tables identical to the bit: %s\n",
                identical && sameBits(table, singleTable) ? "yes" : "NO");
    std::printf("table: %d states, %zu bytes (%.2f MiB)\n", table.space().slotCount(),
                table.bytes(), double(table.bytes()) / (1024.0 * 1024.0));
    const double value = *table.value(TurnState {});
    std::printf("value of the game: %.2f (%.17g)\n", value, value);
    benchmarkAdvice(table);
    return 0;
}
