#include "history/gamerecorder.h"

#include "base/clock.h"
#include "game/game.h"

namespace {

// The bonuses are what the score holds beyond the categories' points: the +35 once the sub
// total earned it, and the +100s, a +135 counting as both.
GameRecord recordOf(const Position &position)
{
    GameRecord record;
    record.score = position.score;
    qint32 categoryPoints = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        if (!position.isUsed(Category(category)))
            continue;
        const qint32 points = position.categoryPoints[std::size_t(category)];
        record.setPoints(Category(category), points);
        categoryPoints += points;
    }
    record.upperBonus = position.subTotalBonusGiven ? SubTotalBonusPoints : 0;
    record.extraBonus = position.score - categoryPoints - record.upperBonus;
    return record;
}

} // namespace

GameRecorder::GameRecorder(const Game &game, std::function<QString()> currentPlayer,
                           QObject *parent)
    : QObject(parent), m_game(game), m_currentPlayer(std::move(currentPlayer))
{
    connect(&game, &Game::started, this, [this] {
        m_player = m_currentPlayer();
        m_startedAt = Clock::now();
    });
    connect(&game, &Game::aboutToAbandon, this, [this] { recordGame(false); });
    connect(&game, &Game::ended, this, [this] { recordGame(true); });
}

void GameRecorder::recordUnfinished()
{
    if (m_game.isUnfinished())
        recordGame(false);
}

void GameRecorder::recordGame(bool finished)
{
    if (m_game.log().actions().isEmpty())
        return;
    GameRecord record = recordOf(m_game.position());
    record.player = m_player;
    record.startedAt = m_startedAt;
    record.endedAt = Clock::now();
    record.finished = finished;
    record.log = m_game.log().toText();
    Q_EMIT recorded(record);
}
