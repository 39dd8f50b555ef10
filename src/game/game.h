#pragma once

#include "game/bonus.h"
#include "game/gamelog.h"
#include "game/scoring.h"

#include <QObject>
#include <functional>
#include <optional>

inline constexpr int MaxRollsPerTurn = 3;
inline constexpr int TurnsPerGame = CategoryCount;

// Where a game stands, in the terms an analysis of the next decision needs.
struct Position
{
    quint16 usedCategories = 0; // bit i set: Category(i) has been scored
    std::array<qint32, CategoryCount> categoryPoints {}; // what each used category took
    qint32 upperSubTotal = 0; // Ones to Sixes, uncapped
    bool fiveOfAKindScored = false; // 50 in "Tovik!", which arms the +100
    bool subTotalBonusGiven = false;
    Dice dice {};
    HeldDice held {};
    int rollsLeft = MaxRollsPerTurn; // in this turn
    qint32 score = 0;
    int turnsScored = 0;
    std::optional<Category> selection; // pending until the next roll commits it

    bool isUsed(Category category) const { return usedCategories & (1u << int(category)); }
    bool isHeld(int die) const { return held[std::size_t(die)] != 0; }

    bool operator==(const Position &) const = default;
};

// Every free die rolled with the process's generator, die 1 to die 5 in order; held dice keep
// their values.
Dice plainRoll(const Dice &dice, const HeldDice &held);

// One game from its first roll to its thirteenth commit: its whole state, every move of the
// rules, and the log of the moves made. A move that the rules allow changes the state, goes
// into the log, is announced by a signal and returns true; any other move changes nothing and
// returns false. Within a move the signals come in the order of the rules, so that listeners
// can draw their texts between the steps. It draws nothing and picks no texts.
class Game : public QObject
{
    Q_OBJECT

public:
    // The new dice of a roll, given the dice and holds before it; only the free dice are taken.
    using DiceSource = std::function<Dice(const Dice &dice, const HeldDice &held)>;

    explicit Game(QObject *parent = nullptr);

    // Where rolls take their dice: plainRoll() unless another source is set, such as a display
    // that lets the dice tumble first.
    void setDiceSource(DiceSource source);

    // Drops the game under way, if any, and starts a new one with its first roll.
    bool newGame();
    // Commits the pending selection, if any, and rolls: the press of ROLL. After the last commit
    // the roll is counted but the game ends instead.
    bool roll();
    bool toggleHold(int die);
    // While a selection is pending, another is refused (selectionRefused) and changes nothing.
    bool select(Category category);
    bool unselect();

    // Plays a log's moves on a new game, refusing any that the game would refuse; false at the
    // first refusal, with the game left where the replay stopped.
    bool replay(const GameLog &log);
    // The log that GameLog::toText() wrote, replayed through a new game; nothing for a text
    // that is malformed or holds a move that the game would refuse. Any text is safe to pass.
    static std::optional<GameLog> readLog(QStringView text);

    const Position &position() const { return m_position; }
    const GameLog &log() const { return m_log; }
    int rollCount() const { return MaxRollsPerTurn - m_position.rollsLeft; }
    qint32 pendingPoints() const;
    bool isStarted() const { return m_started; }
    bool isOver() const { return m_over; }
    // A game has been started and has not reached its end.
    bool isUnfinished() const { return m_started && !m_over; }
    // True while a roll waits for its dice.
    bool isRolling() const { return m_rolling; }
    bool canRoll() const;

Q_SIGNALS:
    // An unfinished game is about to be dropped for a new one; position() and log() still
    // show it.
    void aboutToAbandon();
    void started();
    // ROLL has been counted, before the dice move or the game ends.
    void rollCounted(int rollCount);
    // The dice have settled.
    void rolled(const Dice &dice);
    void holdToggled(int die, bool held);
    void selected(Category category, qint32 points);
    void selectionRefused(Category category);
    void unselected(Category category);
    void committed(Category category, qint32 points, Bonus bonus);
    void ended(qint32 score);

private:
    bool isPlayable() const { return isUnfinished() && !m_rolling; }
    void countAndRoll();
    void commit();
    bool replayRoll(bool (Game::*move)(), const Dice &logged);

    Position m_position;
    GameLog m_log;
    DiceSource m_diceSource;
    bool m_started = false;
    bool m_over = false;
    bool m_rolling = false;
};
