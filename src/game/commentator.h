#pragma once

#include "game/bonus.h"

#include <QString>
#include <optional>

// Which texts the commentator says as a game's events come, and which it keeps back. A welcome,
// a bonus or the out-of-rolls message outranks the remark after a roll: once one of them has
// been said during a press of ROLL or a new game, that press ends without a remark. Each text is
// drawn through Commentary at the moment of its event, so that the draws keep their place among
// the dice's.
class Commentator
{
public:
    QString gameStarted(const QString &playerName);
    std::optional<QString> committed(Bonus bonus, qint32 subTotal);
    std::optional<QString> rollCounted(int rollCount);
    // The dice have settled; the press ends.
    std::optional<QString> rolled();
    // The last commit has ended the game, and the press with it.
    QString gameOver();

private:
    QString outranking(const QString &text);

    bool m_outranked = false;
};
