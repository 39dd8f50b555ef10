#include "coach/advice.h"

#include "coach/turnevaluator.h"

#include <QtGlobal>
#include <algorithm>

namespace {

constexpr int MaxRollsLeft = 2;
constexpr int DiceCount = int(std::tuple_size_v<Dice>);

bool canValue(const ValueTable &table, const TurnState &state, const Dice &dice, int rollsLeft)
{
    const bool diceShowFaces = std::all_of(dice.begin(), dice.end(),
                                           [](qint32 die) { return die >= 1 && die <= 6; });
    return diceShowFaces && rollsLeft >= 0 && rollsLeft <= MaxRollsLeft
            && state.usedCount() < CategoryCount && table.space().slotOf(state) >= 0;
}

FaceCounts countFaces(const Dice &dice)
{
    FaceCounts counts {};
    for (qint32 die : dice)
        ++counts[std::size_t(die - 1)];
    return counts;
}

// Every distinct multiset of fewer than five of the dice.
std::vector<int> holdsOf(const FaceCounts &roll)
{
    const DiceMultisets &multisets = DiceMultisets::instance();
    std::vector<int> holds;
    FaceCounts held {};
    while (true) {
        const int hold = multisets.indexOf(held);
        if (multisets.diceCount(hold) < DiceCount)
            holds.push_back(hold);
        std::size_t face = 0;
        while (face < held.size() && held[face] == roll[face])
            held[face++] = 0;
        if (face == held.size())
            return holds;
        ++held[face];
    }
}

} // namespace

Advice advise(const ValueTable &table, const TurnState &state, const Dice &dice, int rollsLeft)
{
    Advice advice;
    if (!canValue(table, state, dice, rollsLeft))
        return advice;
    TurnEvaluator<1> evaluator(table);
    evaluator.evaluate({state});
    const DiceMultisets &multisets = DiceMultisets::instance();
    const FaceCounts counts = countFaces(dice);
    const int roll = multisets.indexOf(counts);
    double bestScore = 0;
    for (int c = 0; c < CategoryCount; ++c) {
        const auto category = Category(c);
        if (state.isUsed(category))
            continue;
        Choice choice;
        choice.category = category;
        const CommitResult commit = commitDice(state, category, dice);
        choice.points = commit.points;
        choice.bonus = commit.bonus;
        choice.expectedPoints = evaluator.scoreValue(category, roll, 0);
        bestScore = std::max(bestScore, choice.expectedPoints);
        advice.choices.push_back(choice);
    }
    if (rollsLeft > 0) {
        double bestHoldOneRollFewer = 0;
        for (int hold : holdsOf(counts)) {
            Choice choice;
            choice.kind = Choice::Kind::Hold;
            choice.heldDice = multisets.faces(hold);
            choice.expectedPoints = evaluator.holdValue(rollsLeft, hold, 0);
            advice.choices.push_back(choice);
            if (rollsLeft > 1)
                bestHoldOneRollFewer = std::max(bestHoldOneRollFewer,
                                                evaluator.holdValue(rollsLeft - 1, hold, 0));
        }
        advice.holdingAllFive = std::max(bestScore, bestHoldOneRollFewer);
    }
    std::sort(advice.choices.begin(), advice.choices.end(), comesBefore);
    advice.canAdvise = true;
    return advice;
}

const Choice *Advice::findHold(const std::vector<qint32> &heldDice) const
{
    const auto found = std::find_if(choices.begin(), choices.end(), [&](const Choice &choice) {
        return choice.kind == Choice::Kind::Hold && choice.heldDice == heldDice;
    });
    return found == choices.end() ? nullptr : &*found;
}

const Choice *Advice::findScore(Category category) const
{
    const auto found = std::find_if(choices.begin(), choices.end(), [&](const Choice &choice) {
        return choice.kind == Choice::Kind::Score && choice.category == category;
    });
    return found == choices.end() ? nullptr : &*found;
}

bool comesBefore(const Choice &a, const Choice &b)
{
    constexpr double Resolution = 1e9;
    const qint64 aValue = qRound64(a.expectedPoints * Resolution);
    const qint64 bValue = qRound64(b.expectedPoints * Resolution);
    if (aValue != bValue)
        return aValue > bValue;
    if (a.kind != b.kind)
        return a.kind == Choice::Kind::Score;
    if (a.kind == Choice::Kind::Score)
        return a.category < b.category;
    if (a.heldDice.size() != b.heldDice.size())
        return a.heldDice.size() < b.heldDice.size();
    return a.heldDice < b.heldDice;
}
