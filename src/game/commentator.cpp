#include "game/commentator.h"

#include "game/commentary.h"
#include "game/game.h"

#include <utility>

QString Commentator::gameStarted(const QString &playerName)
{
    return outranking(Commentary::welcome(playerName));
}

std::optional<QString> Commentator::committed(Bonus bonus, qint32 subTotal)
{
    switch (bonus) {
    case Bonus::None:
        return std::nullopt;
    case Bonus::Combined:
        return outranking(Commentary::combinedBonus());
    case Bonus::ExtraFiveOfAKind:
        return outranking(Commentary::extraFiveOfAKindBonus());
    case Bonus::SubTotal:
        return outranking(Commentary::subTotalBonus(QString::number(subTotal)));
    }
    return std::nullopt;
}

std::optional<QString> Commentator::rollCounted(int rollCount)
{
    if (rollCount != MaxRollsPerTurn || m_outranked)
        return std::nullopt;
    return outranking(Commentary::outOfRolls());
}

std::optional<QString> Commentator::rolled()
{
    const bool outranked = std::exchange(m_outranked, false);
    if (outranked)
        return std::nullopt;
    return Commentary::rollRemark();
}

QString Commentator::gameOver()
{
    m_outranked = false;
    return Commentary::gameOver();
}

QString Commentator::outranking(const QString &text)
{
    m_outranked = true;
    return text;
}
