#include "history/historyrows.h"

#include "history/gamecolumns.h"

#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace {

// The history's own form, 2026-12-08T14:03:21.123Z, is read field by field, far faster than
// Qt's general reader, which takes any other form that a player's own edit may have left.
QDateTime fromIsoText(const QString &text)
{
    if (text.size() == 24 && text[10] == u'T' && text[23] == u'Z') {
        const auto field = [&text](qsizetype from, qsizetype length) {
            return QStringView(text).mid(from, length).toInt();
        };
        const QDateTime time(QDate(field(0, 4), field(5, 2), field(8, 2)),
                             QTime(field(11, 2), field(14, 2), field(17, 2), field(20, 3)),
                             Qt::UTC);
        if (time.isValid())
            return time;
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

QVariant nullable(const std::optional<qint32> &value)
{
    return value ? QVariant(*value) : QVariant();
}

} // namespace

QString gameColumnList()
{
    return HistorySchema::gameColumns().join(u", "_s);
}

QString insertGameStatement()
{
    // Every column but the id, which SQLite gives.
    const QStringList columns = HistorySchema::gameColumns().mid(1);
    const QStringList placeholders(columns.size(), u"?"_s);
    return u"INSERT INTO games (%1) VALUES (%2)"_s.arg(columns.join(u", "_s),
                                                       placeholders.join(u", "_s));
}

void bindGame(QSqlQuery &query, const GameRecord &game)
{
    query.addBindValue(game.player);
    query.addBindValue(HistorySchema::timeText(game.startedAt));
    query.addBindValue(HistorySchema::timeText(game.endedAt));
    query.addBindValue(game.finished ? 1 : 0);
    query.addBindValue(game.score);
    for (const auto &points : game.points)
        query.addBindValue(nullable(points));
    query.addBindValue(game.upperBonus);
    query.addBindValue(game.extraBonus);
    query.addBindValue(game.coachCost ? QVariant(game.coachCost->total) : QVariant());
    query.addBindValue(game.coachCost ? QVariant(game.coachCost->choices) : QVariant());
}

GameRecord recordFromRow(const QSqlQuery &query, bool withLog)
{
    GameRecord game;
    int column = 0;
    game.id = query.value(column++).toLongLong();
    game.player = query.value(column++).toString();
    game.startedAt = fromIsoText(query.value(column++).toString());
    game.endedAt = fromIsoText(query.value(column++).toString());
    game.finished = query.value(column++).toInt() != 0;
    game.score = query.value(column++).toInt();
    for (auto &points : game.points) {
        const QVariant value = query.value(column++);
        if (!value.isNull())
            points = value.toInt();
    }
    game.upperBonus = query.value(column++).toInt();
    game.extraBonus = query.value(column++).toInt();
    const QVariant cost = query.value(column++);
    const QVariant choices = query.value(column++);
    if (!cost.isNull())
        game.coachCost = CoachCost {cost.toDouble(), choices.toInt()};
    if (withLog)
        game.log = query.value(column).toString();
    return game;
}
