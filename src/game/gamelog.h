#pragma once

#include "game/scoring.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

inline constexpr int DieCount = 5;

// One flag per die, die 1 to die 5: 1 = held, kept at the next roll of the turn.
using HeldDice = std::array<quint8, DieCount>;

// One move of a game as its log keeps it. A choice becomes final at a roll, with the holds as
// they stood then, and at a commit, with its category.
struct GameAction
{
    enum class Kind { Roll, Hold, Select, Unselect, Commit };

    Kind kind = Kind::Roll;
    Dice dice {}; // Roll: the dice after it
    HeldDice held {}; // Roll: the dice it kept
    int die = 0; // Hold: the die, 0 to 4, whose hold changed
    Category category = Category::Ones; // Select, Unselect, Commit

    static GameAction roll(const Dice &dice, const HeldDice &held = {});
    static GameAction hold(int die);
    static GameAction select(Category category);
    static GameAction unselect(Category category = {});
    static GameAction commit(Category category = {});

    bool operator==(const GameAction &) const = default;
};

// The moves of one game, from its first roll on: every roll with its dice, every change of a
// hold, every selection, un-selection and commit. A refused selection is not a move.
class GameLog
{
public:
    const QList<GameAction> &actions() const { return m_actions; }
    void append(const GameAction &action) { m_actions.append(action); }
    void clear() { m_actions.clear(); }

    // A compact text for storage, one word per move after a version word: "v1 r35126 h1 s11 c
    // r22416 ..." (rolls with their dice, holds by die 1 to 5, selections by category index,
    // "u" for un-select, "c" for commit).
    QString toText() const;

    // The moves that toText() wrote, not yet checked against the rules (Game::readLog() does
    // that); nothing for a malformed text. Any text is safe to pass.
    static std::optional<GameLog> parse(QStringView text);

    bool operator==(const GameLog &) const = default;

private:
    QList<GameAction> m_actions;
};
