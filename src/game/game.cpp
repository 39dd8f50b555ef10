#include "game/game.h"

#include "game/random.h"

Dice plainRoll(const Dice &dice, const HeldDice &held)
{
    Dice rolled = dice;
    for (std::size_t die = 0; die < rolled.size(); ++die) {
        if (!held[die])
            rolled[die] = randomBelow(6) + 1;
    }
    return rolled;
}

Game::Game(QObject *parent) : QObject(parent) { }

void Game::setDiceSource(DiceSource source)
{
    m_diceSource = std::move(source);
}

qint32 Game::pendingPoints() const
{
    return m_position.selection ? categoryValue(*m_position.selection, m_position.dice) : 0;
}

bool Game::canRoll() const
{
    return isPlayable() && (m_position.selection || m_position.rollsLeft > 0);
}

bool Game::newGame()
{
    if (m_rolling)
        return false;
    if (isUnfinished())
        Q_EMIT aboutToAbandon();
    // The dice keep their values until the first roll.
    const Dice dice = m_position.dice;
    m_position = {};
    m_position.dice = dice;
    m_log.clear();
    m_started = true;
    m_over = false;
    Q_EMIT started();
    countAndRoll();
    return true;
}

bool Game::roll()
{
    if (!canRoll())
        return false;
    if (m_position.selection)
        commit();
    countAndRoll();
    return true;
}

// The roll is counted before the end of the game is checked, so after the last commit the count
// stands at 1 although no dice move.
void Game::countAndRoll()
{
    --m_position.rollsLeft;
    Q_EMIT rollCounted(rollCount());
    if (m_position.turnsScored >= TurnsPerGame) {
        m_over = true;
        Q_EMIT ended(m_position.score);
        return;
    }
    m_rolling = true;
    const Dice drawn = m_diceSource ? m_diceSource(m_position.dice, m_position.held)
                                    : plainRoll(m_position.dice, m_position.held);
    m_rolling = false;
    for (int die = 0; die < DieCount; ++die) {
        if (!m_position.isHeld(die))
            m_position.dice[std::size_t(die)] = drawn[std::size_t(die)];
    }
    m_log.append(GameAction::roll(m_position.dice, m_position.held));
    Q_EMIT rolled(m_position.dice);
}

// The bonus checks look at the dice of the turn being committed, whatever category takes them.
void Game::commit()
{
    const Category category = *m_position.selection;
    const qint32 points = pendingPoints();
    m_position.selection.reset();
    ++m_position.turnsScored;
    m_position.usedCategories |= quint16(1u << int(category));
    m_position.categoryPoints[std::size_t(category)] = points;
    m_position.score += points;
    if (isUpperSection(category))
        m_position.upperSubTotal += points;

    const Bonus bonus
            = bonusForCommit({m_position.upperSubTotal, m_position.subTotalBonusGiven,
                              m_position.fiveOfAKindScored, isFiveOfAKind(m_position.dice)});
    m_position.score += bonusPoints(bonus);
    if (givesSubTotalBonus(bonus))
        m_position.subTotalBonusGiven = true;
    if (armsExtraFiveOfAKindBonus(points))
        m_position.fiveOfAKindScored = true;

    m_position.rollsLeft = MaxRollsPerTurn;
    m_position.held = {};
    m_log.append(GameAction::commit(category));
    Q_EMIT committed(category, points, bonus);
}

bool Game::toggleHold(int die)
{
    if (!isPlayable() || die < 0 || die >= DieCount)
        return false;
    quint8 &held = m_position.held[std::size_t(die)];
    held = held ? 0 : 1;
    m_log.append(GameAction::hold(die));
    Q_EMIT holdToggled(die, held != 0);
    return true;
}

bool Game::select(Category category)
{
    if (!isPlayable() || int(category) < 0 || int(category) >= CategoryCount
        || m_position.isUsed(category))
        return false;
    if (m_position.selection) {
        Q_EMIT selectionRefused(category);
        return false;
    }
    m_position.selection = category;
    m_log.append(GameAction::select(category));
    Q_EMIT selected(category, pendingPoints());
    return true;
}

bool Game::unselect()
{
    if (!isPlayable() || !m_position.selection)
        return false;
    const Category category = *m_position.selection;
    m_position.selection.reset();
    m_log.append(GameAction::unselect(category));
    Q_EMIT unselected(category);
    return true;
}

bool Game::replay(const GameLog &log)
{
    const QList<GameAction> &actions = log.actions();
    if (m_rolling || actions.isEmpty() || actions.first().kind != GameAction::Kind::Roll)
        return false;
    const DiceSource liveSource = std::exchange(m_diceSource, {});
    bool replayed = replayRoll(&Game::newGame, actions.first().dice);
    for (qsizetype i = 1; replayed && i < actions.size(); ++i) {
        const GameAction &action = actions[i];
        switch (action.kind) {
        case GameAction::Kind::Roll:
            // A roll with a selection pending commits it, which the log says first.
            replayed = !m_position.selection && replayRoll(&Game::roll, action.dice);
            break;
        case GameAction::Kind::Hold:
            replayed = toggleHold(action.die);
            break;
        case GameAction::Kind::Select:
            replayed = select(action.category);
            break;
        case GameAction::Kind::Unselect:
            replayed = unselect();
            break;
        case GameAction::Kind::Commit:
            // The press that commits also rolls, unless it ends the game.
            if (!m_position.selection)
                replayed = false;
            else if (m_position.turnsScored + 1 == TurnsPerGame)
                replayed = roll();
            else
                replayed = ++i < actions.size() && actions[i].kind == GameAction::Kind::Roll
                        && replayRoll(&Game::roll, actions[i].dice);
            break;
        }
    }
    m_diceSource = liveSource;
    return replayed;
}

// Makes the move with the logged dice as its roll; false as well when the roll could not have
// given them: a held die changed or a free die outside 1 to 6.
std::optional<GameLog> Game::readLog(QStringView text)
{
    const std::optional<GameLog> moves = GameLog::parse(text);
    Game game;
    if (!moves || !game.replay(*moves))
        return std::nullopt;
    return game.log();
}

bool Game::replayRoll(bool (Game::*move)(), const Dice &logged)
{
    bool possible = true;
    m_diceSource = [&](const Dice &dice, const HeldDice &held) {
        for (std::size_t die = 0; die < dice.size(); ++die) {
            possible = possible
                    && (held[die] ? logged[die] == dice[die]
                                  : logged[die] >= 1 && logged[die] <= 6);
        }
        return logged;
    };
    const bool moved = (this->*move)();
    m_diceSource = {};
    return moved && possible;
}
