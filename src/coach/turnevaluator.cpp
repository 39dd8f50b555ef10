#include "coach/turnevaluator.h"

#include <algorithm>

namespace {

constexpr int FirstRoll = DiceMultisets::FirstRoll;
constexpr int RollCount = DiceMultisets::RollCount;
constexpr double OneSixth = 1.0 / 6;

// The distinct commits of each category over all rolls, which of them each roll makes, and
// the groups of commits that bring the same bonus and next state (their keys), each with one
// commit that stands for the group.
struct CommitCatalogue
{
    struct Outcome
    {
        qint32 points = 0;
        int key = 0;
    };
    struct KeyCommit
    {
        qint32 points = 0;
        bool fiveOfAKind = false;
    };
    struct Range
    {
        int first = 0;
        int end = 0;
    };

    std::vector<Outcome> outcomes;
    std::vector<KeyCommit> keyCommits;
    std::array<Range, CategoryCount> outcomeRange;
    std::array<Range, CategoryCount> keyRange;
    std::array<std::array<qint16, RollCount>, CategoryCount> outcomeOfRoll {};
};

CommitCatalogue buildCatalogue()
{
    const DiceMultisets &multisets = DiceMultisets::instance();
    CommitCatalogue catalogue;
    for (std::size_t c = 0; c < CategoryCount; ++c) {
        const auto category = Category(c);
        catalogue.outcomeRange[c].first = int(catalogue.outcomes.size());
        catalogue.keyRange[c].first = int(catalogue.keyCommits.size());
        std::vector<std::pair<qint32, bool>> outcomes;
        std::vector<CommitKey> keys;
        for (int roll = 0; roll < RollCount; ++roll) {
            const Dice dice = multisets.rollDice(FirstRoll + roll);
            const std::pair outcome(categoryValue(category, dice), isFiveOfAKind(dice));
            auto found = std::find(outcomes.begin(), outcomes.end(), outcome);
            if (found == outcomes.end()) {
                const CommitKey key = commitKey(category, outcome.first, outcome.second);
                auto keyFound = std::find(keys.begin(), keys.end(), key);
                if (keyFound == keys.end()) {
                    catalogue.keyCommits.push_back({outcome.first, outcome.second});
                    keyFound = keys.insert(keys.end(), key);
                }
                const int keyIndex = catalogue.keyRange[c].first + int(keyFound - keys.begin());
                catalogue.outcomes.push_back({outcome.first, keyIndex});
                found = outcomes.insert(outcomes.end(), outcome);
            }
            catalogue.outcomeOfRoll[c][std::size_t(roll)]
                    = qint16(catalogue.outcomeRange[c].first + int(found - outcomes.begin()));
        }
        catalogue.outcomeRange[c].end = int(catalogue.outcomes.size());
        catalogue.keyRange[c].end = int(catalogue.keyCommits.size());
    }
    return catalogue;
}

const CommitCatalogue &commitCatalogue()
{
    static const CommitCatalogue catalogue = buildCatalogue();
    return catalogue;
}

// Works on copies, so that the compiler knows nothing else changes them and computes the lanes
// together.
template<std::size_t Lanes>
std::array<double, Lanes> maxOf(std::array<double, Lanes> a, const std::array<double, Lanes> &b)
{
    for (std::size_t l = 0; l < Lanes; ++l)
        a[l] = a[l] < b[l] ? b[l] : a[l];
    return a;
}

} // namespace

// The loops below are built twice: for any x86-64 processor, and with AVX2, which computes four
// lanes in one instruction; the program picks the clone its processor supports when it starts.
// Clang 14 emits no symbol for the clones of an explicitly instantiated template, so its builds
// (the fuzz targets) keep the plain loops.
#if defined(__x86_64__) && !defined(__clang__)
#define VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define VECTOR_CLONES
#endif

template<int Lanes>
TurnEvaluator<Lanes>::TurnEvaluator(const ValueTable &table)
    : m_table(table), m_keyValues(commitCatalogue().keyCommits.size()),
      m_commits(commitCatalogue().outcomes.size()),
      m_scoreNow(RollCount), m_rollsLeft {std::vector<LaneValues>(RollCount),
                                          std::vector<LaneValues>(RollCount)},
      m_holds {std::vector<LaneValues>(FirstRoll), std::vector<LaneValues>(FirstRoll)},
      m_bestHold(FirstRoll)
{
}

template<int Lanes>
VECTOR_CLONES void TurnEvaluator<Lanes>::evaluate(const std::array<TurnState, Lanes> &states)
{
    const DiceMultisets &multisets = DiceMultisets::instance();
    m_used = states[0].usedCategories;
    valueCommits(states);
    valueHolds(m_scoreNow.data(), m_holds[0]);
    bestHolds(m_holds[0]);
    valueRollsWithRollsLeft(m_rollsLeft[0]);
    valueHolds(m_rollsLeft[0].data(), m_holds[1]);
    bestHolds(m_holds[1]);
    valueRollsWithRollsLeft(m_rollsLeft[1]);
    m_turnValue = {};
    for (int roll = 0; roll < RollCount; ++roll) {
        const LaneValues &value = m_rollsLeft[1][std::size_t(roll)];
        const double probability = multisets.probability(FirstRoll + roll);
        for (std::size_t l = 0; l < Lanes; ++l)
            m_turnValue[l] += probability * value[l];
    }
}

template<int Lanes>
double TurnEvaluator<Lanes>::scoreValue(Category category, int roll, int lane) const
{
    const int outcome
            = commitCatalogue().outcomeOfRoll[std::size_t(category)][std::size_t(roll - FirstRoll)];
    return m_commits[std::size_t(outcome)][std::size_t(lane)];
}

// Fills the value of scoring now with each roll: the best commit among the open categories.
template<int Lanes>
VECTOR_CLONES void TurnEvaluator<Lanes>::valueCommits(const std::array<TurnState, Lanes> &states)
{
    const CommitCatalogue &catalogue = commitCatalogue();
    const StateSpace &space = m_table.space();
    std::vector<std::size_t> open;
    for (std::size_t c = 0; c < CategoryCount; ++c) {
        const auto category = Category(c);
        if ((m_used & categoryBit(category)) != 0)
            continue;
        open.push_back(c);
        for (int k = catalogue.keyRange[c].first; k < catalogue.keyRange[c].end; ++k) {
            const CommitCatalogue::KeyCommit &commit = catalogue.keyCommits[std::size_t(k)];
            for (std::size_t l = 0; l < Lanes; ++l) {
                const CommitResult result
                        = commitPoints(states[l], category, commit.points, commit.fiveOfAKind);
                const TurnState &next = result.next;
                const int slot
                        = space.slotFor(next.usedCategories, next.subTotal, next.fiveOfAKindScored);
                m_keyValues[std::size_t(k)][l] = result.bonus + m_table.at(slot);
            }
        }
        for (int o = catalogue.outcomeRange[c].first; o < catalogue.outcomeRange[c].end; ++o) {
            const CommitCatalogue::Outcome &outcome = catalogue.outcomes[std::size_t(o)];
            LaneValues value = m_keyValues[std::size_t(outcome.key)];
            for (std::size_t l = 0; l < Lanes; ++l)
                value[l] += outcome.points;
            m_commits[std::size_t(o)] = value;
        }
    }
    for (std::size_t roll = 0; roll < RollCount; ++roll) {
        LaneValues best = m_commits[std::size_t(catalogue.outcomeOfRoll[open[0]][roll])];
        for (std::size_t i = 1; i < open.size(); ++i)
            best = maxOf(best, m_commits[std::size_t(catalogue.outcomeOfRoll[open[i]][roll])]);
        m_scoreNow[roll] = best;
    }
}

// A hold's value is the average, over the six faces of the next die rolled, of the hold with
// that die added; five dice are worth what the roll is worth.
template<int Lanes>
VECTOR_CLONES void TurnEvaluator<Lanes>::valueHolds(const LaneValues *rollValues,
                                                    std::vector<LaneValues> &holds)
{
    const DiceMultisets &multisets = DiceMultisets::instance();
    const auto average = [&](int multiset, const LaneValues *values, int first) {
        LaneValues sum = values[multisets.withDie(multiset, 1) - first];
        for (int face = 2; face <= 6; ++face) {
            const LaneValues &more = values[multisets.withDie(multiset, face) - first];
            for (std::size_t l = 0; l < Lanes; ++l)
                sum[l] += more[l];
        }
        for (std::size_t l = 0; l < Lanes; ++l)
            holds[std::size_t(multiset)][l] = sum[l] * OneSixth;
    };
    const int firstOfFour = DiceMultisets::firstOfSize(4);
    for (int m = FirstRoll - 1; m >= firstOfFour; --m)
        average(m, rollValues, FirstRoll);
    for (int m = firstOfFour - 1; m >= 0; --m)
        average(m, holds.data(), 0);
}

// The best hold inside each multiset of fewer than five dice: itself, or the best inside one
// of the multisets with one die fewer. One pass per face, each taking out dice of that face on
// top of the passes before, reaches every sub-multiset; and each step is a plain maximum of two
// rows, which the compiler computes for all lanes at once.
template<int Lanes>
VECTOR_CLONES void TurnEvaluator<Lanes>::bestHolds(const std::vector<LaneValues> &holds)
{
    const DiceMultisets &multisets = DiceMultisets::instance();
    m_bestHold = holds;
    for (int face = 1; face <= 6; ++face) {
        for (const DieRemoval &removal : multisets.holdRemovals(face)) {
            LaneValues &best = m_bestHold[std::size_t(removal.from)];
            best = maxOf(best, m_bestHold[std::size_t(removal.to)]);
        }
    }
}

// A roll with rolls left is worth the best of scoring now and every hold short of all five:
// holding all five would only spend a roll.
template<int Lanes>
VECTOR_CLONES void
TurnEvaluator<Lanes>::valueRollsWithRollsLeft(std::vector<LaneValues> &values) const
{
    const DiceMultisets &multisets = DiceMultisets::instance();
    values = m_scoreNow;
    for (int face = 1; face <= 6; ++face) {
        for (const DieRemoval &removal : multisets.rollRemovals(face)) {
            LaneValues &value = values[std::size_t(removal.from - FirstRoll)];
            value = maxOf(value, m_bestHold[std::size_t(removal.to)]);
        }
    }
}

template class TurnEvaluator<1>;
template class TurnEvaluator<8>;
