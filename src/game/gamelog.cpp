#include "game/gamelog.h"

GameAction GameAction::roll(const Dice &dice, const HeldDice &held)
{
    GameAction action;
    action.dice = dice;
    action.held = held;
    return action;
}

GameAction GameAction::hold(int die)
{
    GameAction action;
    action.kind = Kind::Hold;
    action.die = die;
    return action;
}

GameAction GameAction::select(Category category)
{
    GameAction action;
    action.kind = Kind::Select;
    action.category = category;
    return action;
}

GameAction GameAction::unselect(Category category)
{
    GameAction action = select(category);
    action.kind = Kind::Unselect;
    return action;
}

GameAction GameAction::commit(Category category)
{
    GameAction action = select(category);
    action.kind = Kind::Commit;
    return action;
}

namespace {

constexpr QStringView FormatWord = u"v1";

QString wordOf(const GameAction &action)
{
    switch (action.kind) {
    case GameAction::Kind::Roll: {
        QString word = QStringLiteral("r");
        for (qint32 value : action.dice)
            word += QString::number(value);
        return word;
    }
    case GameAction::Kind::Hold:
        return QStringLiteral("h%1").arg(action.die + 1);
    case GameAction::Kind::Select:
        return QStringLiteral("s%1").arg(int(action.category));
    case GameAction::Kind::Unselect:
        return QStringLiteral("u");
    case GameAction::Kind::Commit:
        return QStringLiteral("c");
    }
    return QString();
}

// The value of a digit from low to high, or -1 for any other character.
int digitIn(QChar c, char low, char high)
{
    return c >= QLatin1Char(low) && c <= QLatin1Char(high) ? c.unicode() - u'0' : -1;
}

// Only the words that wordOf() writes: no signs, blanks or leading zeros.
std::optional<GameAction> actionOf(QStringView word)
{
    if (word == u"u")
        return GameAction::unselect();
    if (word == u"c")
        return GameAction::commit();
    if (word.size() == 1 + DieCount && word.front() == u'r') {
        Dice dice {};
        for (int die = 0; die < DieCount; ++die) {
            dice[std::size_t(die)] = digitIn(word[die + 1], '1', '6');
            if (dice[std::size_t(die)] < 0)
                return std::nullopt;
        }
        return GameAction::roll(dice);
    }
    if (word.size() == 2 && word.front() == u'h') {
        const int die = digitIn(word[1], '1', '5');
        if (die < 0)
            return std::nullopt;
        return GameAction::hold(die - 1);
    }
    if ((word.size() == 2 || word.size() == 3) && word.front() == u's') {
        const int first = digitIn(word[1], word.size() == 2 ? '0' : '1', '9');
        const int second = word.size() == 3 ? digitIn(word[2], '0', '9') : 0;
        const int category = word.size() == 3 ? first * 10 + second : first;
        if (first < 0 || second < 0 || category >= CategoryCount)
            return std::nullopt;
        return GameAction::select(Category(category));
    }
    return std::nullopt;
}

} // namespace

QString GameLog::toText() const
{
    QString text = FormatWord.toString();
    for (const GameAction &action : m_actions)
        text += u' ' + wordOf(action);
    return text;
}

std::optional<GameLog> GameLog::parse(QStringView text)
{
    const QList<QStringView> words = text.split(u' ');
    if (words.first() != FormatWord)
        return std::nullopt;
    GameLog moves;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const std::optional<GameAction> action = actionOf(words[i]);
        if (!action)
            return std::nullopt;
        moves.append(*action);
    }
    return moves;
}
