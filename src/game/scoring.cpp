#include "game/scoring.h"

#include <algorithm>
#include <numeric>

namespace {

using FaceCounts = std::array<int, 7>; // index 1..6; index 0 unused

FaceCounts countFaces(const Dice &dice)
{
    FaceCounts counts{};
    for (qint32 value : dice) {
        if (value >= 1 && value <= 6)
            ++counts[std::size_t(value)];
    }
    return counts;
}

qint32 sumOf(const Dice &dice)
{
    return std::accumulate(dice.begin(), dice.end(), qint32(0));
}

bool someFaceAtLeast(const FaceCounts &counts, int n)
{
    return std::any_of(counts.begin() + 1, counts.end(), [n](int count) { return count >= n; });
}

bool someFaceExactly(const FaceCounts &counts, int n)
{
    return std::find(counts.begin() + 1, counts.end(), n) != counts.end();
}

// Counts the distinct values v for which v + 1 shows too. Three such neighbour pairs make a
// small straight, which also accepts 1-2-3-5-6 and 1-2-4-5-6.
int neighbourPairs(const FaceCounts &counts)
{
    int pairs = 0;
    for (std::size_t face = 1; face < 6; ++face) {
        if (counts[face] > 0 && counts[face + 1] > 0)
            ++pairs;
    }
    return pairs;
}

bool isLargeStraight(const Dice &dice)
{
    Dice sorted = dice;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        if (sorted[i] != sorted[i - 1] + 1)
            return false;
    }
    return true;
}

} // namespace

bool isFiveOfAKind(const Dice &dice)
{
    return someFaceAtLeast(countFaces(dice), 5);
}

qint32 categoryValue(Category category, const Dice &dice)
{
    const FaceCounts counts = countFaces(dice);
    switch (category) {
    case Category::Ones:
    case Category::Twos:
    case Category::Threes:
    case Category::Fours:
    case Category::Fives:
    case Category::Sixes: {
        const int face = int(category) + 1;
        return counts[std::size_t(face)] * face;
    }
    case Category::ThreeOfAKind:
        return someFaceAtLeast(counts, 3) ? sumOf(dice) : 0;
    case Category::FourOfAKind:
        return someFaceAtLeast(counts, 4) ? sumOf(dice) : 0;
    case Category::FullHouse:
        return someFaceExactly(counts, 3) && someFaceExactly(counts, 2) ? 25 : 0;
    case Category::SmallStraight:
        return neighbourPairs(counts) >= 3 ? 30 : 0;
    case Category::LargeStraight:
        return isLargeStraight(dice) ? 40 : 0;
    case Category::Chance:
        return sumOf(dice);
    case Category::FiveOfAKind:
        return isFiveOfAKind(dice) ? 50 : 0;
    }
    return 0;
}

QString categoryCaption(Category category)
{
    static constexpr std::array<const char16_t *, CategoryCount> Captions
            = {u"Ones",           u"Twos",        u"Threes",      u"Fours",      u"Fives",
               u"Sixes",          u"3 of a Kind", u"4 of a Kind", u"Full House", u"Small Straight",
               u"Large Straight", u"Chance",      u"Tovik!"};
    const auto index = std::size_t(category);
    return index < Captions.size() ? QString::fromUtf16(Captions[index]) : QString();
}
