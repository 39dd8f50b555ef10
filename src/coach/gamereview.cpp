#include "coach/gamereview.h"

#include "game/game.h"

#include <algorithm>

namespace {

// Costs smaller than this are the rounding of equal expectations reached by different sums.
constexpr double CostTolerance = 1e-9;

std::vector<qint32> heldFaces(const Dice &dice, const HeldDice &held)
{
    std::vector<qint32> faces;
    for (std::size_t die = 0; die < dice.size(); ++die) {
        if (held[die])
            faces.push_back(dice[die]);
    }
    std::sort(faces.begin(), faces.end());
    return faces;
}

// Walks a log turn by turn, valuing each final choice against the coach's best.
class Reviewer
{
public:
    explicit Reviewer(const ValueTable &table) : m_table(table) { }

    bool roll(const GameAction &action);
    bool commit(Category category);
    GameReview take() { return std::move(m_review); }

private:
    bool choose(Choice made, const Advice &advice);

    const ValueTable &m_table;
    GameReview m_review;
    TurnState m_state;
    qint32 m_score = 0;
    Dice m_dice {};
    int m_rollsMade = 0;
};

bool Reviewer::roll(const GameAction &action)
{
    if (m_rollsMade == 0) {
        m_review.turns.emplace_back();
    } else {
        const Advice advice = advise(m_table, m_state, m_dice, MaxRollsPerTurn - m_rollsMade);
        Choice made;
        made.kind = Choice::Kind::Hold;
        made.heldDice = heldFaces(m_dice, action.held);
        const Choice *listed = advice.findHold(made.heldDice);
        made.expectedPoints = listed ? listed->expectedPoints : advice.holdingAllFive;
        if (!choose(made, advice))
            return false;
    }
    ++m_rollsMade;
    m_dice = action.dice;
    m_review.turns.back().rolls.push_back(m_dice);
    return true;
}

bool Reviewer::commit(Category category)
{
    const Advice advice = advise(m_table, m_state, m_dice, MaxRollsPerTurn - m_rollsMade);
    const Choice *made = advice.findScore(category);
    if (!made || !choose(*made, advice))
        return false;
    const CommitResult result = commitDice(m_state, category, m_dice);
    m_score += result.points + result.bonus;
    m_state = result.next;
    m_rollsMade = 0;
    return true;
}

bool Reviewer::choose(Choice made, const Advice &advice)
{
    if (!advice.canAdvise || m_review.turns.empty())
        return false;
    ReviewedChoice choice;
    choice.turn = int(m_review.turns.size());
    choice.rollsLeft = MaxRollsPerTurn - m_rollsMade;
    choice.dice = m_dice;
    choice.scoreBefore = m_score;
    choice.made = std::move(made);
    choice.best = advice.choices.front();
    m_review.turns.back().choices.push_back(std::move(choice));
    return true;
}

} // namespace

TurnState turnStateOf(const Position &position)
{
    return {position.usedCategories, position.upperSubTotal, position.fiveOfAKindScored};
}

double ReviewedChoice::cost() const
{
    const double cost = best.expectedPoints - made.expectedPoints;
    return cost < CostTolerance ? 0.0 : cost;
}

double GameReview::totalCost() const
{
    double total = 0;
    for (const ReviewedTurn &turn : turns) {
        for (const ReviewedChoice &choice : turn.choices)
            total += choice.cost();
    }
    return total;
}

int GameReview::choiceCount() const
{
    int count = 0;
    for (const ReviewedTurn &turn : turns)
        count += int(turn.choices.size());
    return count;
}

const ReviewedChoice *GameReview::lastChoice() const
{
    for (auto turn = turns.rbegin(); turn != turns.rend(); ++turn) {
        if (!turn->choices.empty())
            return &turn->choices.back();
    }
    return nullptr;
}

GameReview reviewGame(const ValueTable &table, const GameLog &log)
{
    Reviewer reviewer(table);
    bool valued = true;
    for (const GameAction &action : log.actions()) {
        if (action.kind == GameAction::Kind::Roll)
            valued = reviewer.roll(action);
        else if (action.kind == GameAction::Kind::Commit)
            valued = reviewer.commit(action.category);
        if (!valued)
            break;
    }
    GameReview review = reviewer.take();
    review.valued = valued;
    return review;
}
