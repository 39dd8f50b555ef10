#include "history/costreviewer.h"

#include "coach/coach.h"
#include "coach/gamereview.h"
#include "game/game.h"
#include "history/history.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace {

// What the game's choices cost by the coach's table; nothing for a log that cannot be read, that
// is not a whole game or that the table cannot value.
std::optional<CoachCost> costOf(const ValueTable &table, const QString &logText)
{
    try {
        const std::optional<GameLog> log = Game::readLog(logText);
        if (!log
            || std::count_if(log->actions().begin(), log->actions().end(),
                             [](const GameAction &action) {
                                 return action.kind == GameAction::Kind::Commit;
                             })
                    != TurnsPerGame)
            return std::nullopt;
        const GameReview review = reviewGame(table, *log);
        if (!review.valued)
            return std::nullopt;
        return CoachCost {review.totalCost(), review.choiceCount()};
    } catch (const std::exception &) {
        // Out of memory, say: the game keeps no cost, and the program goes on.
        return std::nullopt;
    }
}

} // namespace

CostReviewer::CostReviewer(History &history, Coach &coach, QObject *parent)
    : QObject(parent), m_history(history), m_coach(coach)
{
    m_reviews.setMaxThreadCount(1);
    connect(&history, &History::gameWritten, this,
            [this](const GameRecord &game) { review({game}); });
    connect(&history, &History::gamesWithoutCostLoaded, this, &CostReviewer::review);
    connect(&coach, &Coach::ready, this, &CostReviewer::reviewWaiting);
}

CostReviewer::~CostReviewer()
{
    m_stopping = true;
    m_reviews.waitForDone();
}

void CostReviewer::reviewGamesWithoutCost()
{
    m_history.loadGamesWithoutCost();
}

void CostReviewer::review(const QList<GameRecord> &games)
{
    for (const GameRecord &game : games) {
        if (game.finished && !game.coachCost && !m_taken.contains(game.id)) {
            m_taken.insert(game.id);
            m_waiting.append(game);
        }
    }
    if (m_waiting.isEmpty())
        return;
    if (m_coach.isReady())
        reviewWaiting();
    else
        m_coach.startSolving();
}

void CostReviewer::reviewWaiting()
{
    const std::shared_ptr<const ValueTable> table = m_coach.table();
    if (!table || m_waiting.isEmpty())
        return;
    m_reviews.start([this, table, games = std::exchange(m_waiting, {})] {
        for (const GameRecord &game : games) {
            if (m_stopping)
                return;
            if (const std::optional<CoachCost> cost = costOf(*table, game.log)) {
                // Back on this object's thread, where the history is used.
                QMetaObject::invokeMethod(
                        this,
                        [this, id = game.id, cost = *cost] { m_history.setCoachCost(id, cost); },
                        Qt::QueuedConnection);
            }
        }
    });
}
