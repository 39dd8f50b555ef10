#include "bruteforce.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int Faces = 6;
constexpr int DiceCount = 5;
constexpr std::array<int, 7> PowersOfSix {1, 6, 36, 216, 1296, 7776, 46656};
constexpr quint16 AllUsed = (1u << CategoryCount) - 1;

// Numbers the multisets of up to five dice by their count key: how many dice show face f,
// times 6^(f - 1), summed.
std::vector<int> numberMultisets()
{
    std::vector<int> numbers(std::size_t(PowersOfSix[Faces]), -1);
    int next = 0;
    for (int key = 0; key < PowersOfSix[Faces]; ++key) {
        int dice = 0;
        for (int rest = key; rest > 0; rest /= Faces)
            dice += rest % Faces;
        if (dice <= DiceCount)
            numbers[std::size_t(key)] = next++;
    }
    return numbers;
}

int keyOf(const Dice &dice, int count = DiceCount)
{
    int key = 0;
    for (int i = 0; i < count; ++i)
        key += PowersOfSix[std::size_t(dice[std::size_t(i)] - 1)];
    return key;
}

std::size_t numberOf(int key)
{
    static const std::vector<int> numbers = numberMultisets();
    return std::size_t(numbers[std::size_t(key)]);
}

std::size_t numberOf(const Dice &dice, int count = DiceCount)
{
    return numberOf(keyOf(dice, count));
}

// Calls visit with every ordered roll of five dice.
template<typename Visit> void forEveryRoll(Visit visit)
{
    for (int code = 0; code < PowersOfSix[DiceCount]; ++code) {
        Dice dice {};
        for (int i = 0, rest = code; i < DiceCount; ++i, rest /= Faces)
            dice[std::size_t(i)] = rest % Faces + 1;
        visit(dice);
    }
}

// Calls visit once for each multiset of five dice, with the dice in ascending order.
template<typename Visit>
void forEverySortedRoll(Visit visit, Dice &dice, int from = 0, int lowest = 1)
{
    if (from == DiceCount) {
        visit(dice);
        return;
    }
    for (int face = lowest; face <= Faces; ++face) {
        dice[std::size_t(from)] = face;
        forEverySortedRoll(visit, dice, from + 1, face);
    }
}

template<typename Visit> void forEverySortedRoll(Visit visit)
{
    Dice dice {};
    forEverySortedRoll(visit, dice);
}

// The average of the values over every ordered way of rolling the free dice onto the held ones.
double averageOverRolls(const std::vector<double> &values, int heldKey, int freeDice)
{
    if (freeDice == 0)
        return values[numberOf(heldKey)];
    double sum = 0;
    for (int face = 0; face < Faces; ++face)
        sum += averageOverRolls(values, heldKey + PowersOfSix[std::size_t(face)], freeDice - 1);
    return sum / Faces;
}

bool allAlike(const Dice &dice)
{
    return std::all_of(dice.begin(), dice.end(), [&](qint32 die) { return die == dice[0]; });
}

} // namespace

double BruteForce::value(quint16 usedCategories, qint32 subTotal, bool fiveOfAKindScored)
{
    if (usedCategories == AllUsed)
        return 0;
    const auto key = std::make_tuple(usedCategories, std::min(subTotal, 63), fiveOfAKindScored);
    if (const auto found = m_memo.find(key); found != m_memo.end())
        return found->second;
    KeyedValues scoreNow(Multisets, -1.0);
    forEverySortedRoll([&](const Dice &dice) {
        double &best = scoreNow[numberOf(dice)];
        for (int c = 0; c < CategoryCount; ++c) {
            if ((usedCategories >> c & 1) == 0)
                best = std::max(best,
                                commitValue(usedCategories, subTotal, fiveOfAKindScored,
                                            Category(c), dice));
        }
    });
    const KeyedValues oneRollLeft = withOneMoreRoll(scoreNow, scoreNow);
    const double result = turnValue(withOneMoreRoll(oneRollLeft, scoreNow));
    m_memo[key] = result;
    return result;
}

double BruteForce::commitValue(quint16 used, qint32 subTotal, bool armed, Category category,
                               const Dice &dice)
{
    const qint32 points = categoryValue(category, dice);
    const bool upper = category <= Category::Sixes;
    const qint32 newSubTotal = subTotal + (upper ? points : 0);
    qint32 bonus = 0;
    if (subTotal < 63 && newSubTotal >= 63)
        bonus += 35;
    if (armed && allAlike(dice))
        bonus += 100;
    const bool nowArmed = armed || (category == Category::FiveOfAKind && points == 50);
    return points + bonus + value(quint16(used | 1u << int(category)), newSubTotal, nowArmed);
}

// The values of five dice with one more roll to come: score now, or hold any proper subset of
// the dice positions and roll the others.
BruteForce::KeyedValues BruteForce::withOneMoreRoll(const KeyedValues &values,
                                                    const KeyedValues &scoreNow) const
{
    KeyedValues holdValues(Multisets, -1.0);
    KeyedValues result(Multisets, -1.0);
    forEverySortedRoll([&](const Dice &dice) {
        double &best = result[numberOf(dice)];
        best = scoreNow[numberOf(dice)];
        for (int held = 0; held < (1 << DiceCount) - 1; ++held) {
            Dice kept {};
            int count = 0;
            for (int i = 0; i < DiceCount; ++i) {
                if (held >> i & 1)
                    kept[std::size_t(count++)] = dice[std::size_t(i)];
            }
            double &hold = holdValues[numberOf(kept, count)];
            if (hold < 0)
                hold = averageOverRolls(values, keyOf(kept, count), DiceCount - count);
            best = std::max(best, hold);
        }
    });
    return result;
}

double BruteForce::turnValue(const KeyedValues &twoRollsLeft) const
{
    double sum = 0;
    forEveryRoll([&](const Dice &dice) { sum += twoRollsLeft[numberOf(dice)]; });
    return sum / PowersOfSix[DiceCount];
}
