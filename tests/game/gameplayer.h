#pragma once

#include "game/game.h"
#include "game/random.h"

#include <QList>
#include <limits>

// Starts a game and makes random legal moves, as a restless player might, until the game ends
// or the moves run out: holds and frees dice, rolls, selects open categories and withdraws
// some selections. Rolls come from the game's dice source.
inline void playRandomly(Game &game, RandomGenerator &random,
                         int moves = std::numeric_limits<int>::max())
{
    game.newGame();
    for (int move = 0; move < moves && game.isUnfinished(); ++move) {
        const Position &position = game.position();
        switch (random.next(6)) {
        case 0:
            game.toggleHold(random.next(DieCount));
            break;
        case 1:
        case 2:
            if (game.canRoll())
                game.roll();
            break;
        case 3:
        case 4:
            if (!position.selection) {
                QList<Category> open;
                for (int i = 0; i < CategoryCount; ++i) {
                    if (!position.isUsed(Category(i)))
                        open.append(Category(i));
                }
                game.select(open.at(random.next(int(open.size()))));
            }
            break;
        default:
            if (position.selection && random.next(3) == 0)
                game.unselect();
            break;
        }
    }
}
