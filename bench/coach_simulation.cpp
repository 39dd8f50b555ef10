// Plays seeded games by the coach's own choices, through its advice, and compares their mean
// score with the solved value of the game, which it must match within three standard errors.
// Arguments: the number of games (200000) and the seed of the process's generator (1).

#include "coach/advice.h"
#include "coach/tablesolver.h"
#include "game/random.h"

#include <QElapsedTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

void rollFreeDice(Dice &dice, std::size_t held)
{
    for (std::size_t die = held; die < dice.size(); ++die)
        dice[die] = randomBelow(6) + 1;
}

qint32 playGame(const ValueTable &table)
{
    TurnState state;
    qint32 score = 0;
    for (int turn = 0; turn < CategoryCount; ++turn) {
        Dice dice {};
        rollFreeDice(dice, 0);
        for (int rollsLeft = 2;; --rollsLeft) {
            const Advice advice = advise(table, state, dice, rollsLeft);
            if (!advice.canAdvise) {
                std::fprintf(stderr, "the coach could not advise in its own game\n");
                std::exit(1);
            }
            const Choice &best = advice.choices.front();
            if (best.kind == Choice::Kind::Score) {
                const CommitResult commit = commitDice(state, best.category, dice);
                score += commit.points + commit.bonus;
                state = commit.next;
                break;
            }
            std::copy(best.heldDice.begin(), best.heldDice.end(), dice.begin());
            rollFreeDice(dice, best.heldDice.size());
        }
    }
    return score;
}

} // namespace

int main(int argc, char *argv[])
{
    const long games = argc > 1 ? std::atol(argv[1]) : 200000;
    const auto seed = std::uint32_t(argc > 2 ? std::atol(argv[2]) : 1);
    const std::optional<ValueTable> table
            = TableSolver().solve(int(std::max(1u, std::thread::hardware_concurrency())));
    const double value = *table->value(TurnState {});

    processRandom().setSeed(seed);
    QElapsedTimer timer;
    timer.start();
    // Welford's running mean and sum of squared deviations.
    double mean = 0;
    double squares = 0;
    for (long game = 1; game <= games; ++game) {
        const double score = playGame(*table);
        const double delta = score - mean;
        mean += delta / double(game);
        squares += delta * (score - mean);
    }
    const double deviation = std::sqrt(squares / double(games - 1));
    const double standardError = deviation / std::sqrt(double(games));
    const double distance = (mean - value) / standardError;
    std::printf("%ld games from seed %u in %.0f s\n", games, seed, double(timer.elapsed()) / 1e3);
    std::printf("mean %.4f, standard deviation %.4f, standard error %.4f\n", mean, deviation,
                standardError);
    std::printf("solved value %.4f: the mean lies %.2f standard errors from it (%s)\n", value,
                distance, std::abs(distance) <= 3 ? "within three" : "OUTSIDE three");
    return std::abs(distance) <= 3 ? 0 : 1;
}
