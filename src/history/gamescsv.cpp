#include "history/gamescsv.h"

#include "history/gamecolumns.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Spreadsheets start a formula at these, and some at a leading tab or carriage return.
bool startsFormula(const QString &text)
{
    static const QString formulaStarts = u"=+-@\t\r"_s;
    return !text.isEmpty() && formulaStarts.contains(text.front());
}

QString textField(const QString &text)
{
    return startsFormula(text) ? u"'"_s + text : text;
}

QString quoted(const QString &field)
{
    static const QString needsQuotes = u",\"\r\n"_s;
    if (std::none_of(field.begin(), field.end(), [](QChar c) { return needsQuotes.contains(c); }))
        return field;
    QString doubled = field;
    doubled.replace(u'"', u"\"\""_s);
    return u'"' + doubled + u'"';
}

QStringList gameRow(const GameRecord &game)
{
    QStringList row = {QString::number(game.id),
                       textField(game.player),
                       HistorySchema::timeText(game.startedAt),
                       HistorySchema::timeText(game.endedAt),
                       QString::number(game.finished ? 1 : 0),
                       QString::number(game.score)};
    for (const auto &points : game.points)
        row.append(points ? QString::number(*points) : QString());
    row << QString::number(game.upperBonus) << QString::number(game.extraBonus);
    if (game.coachCost) {
        row << QString::number(game.coachCost->total) << QString::number(game.coachCost->choices);
    } else {
        row << QString() << QString();
    }
    return row;
}

QString csvLine(const QStringList &fields)
{
    QStringList quotedFields;
    for (const QString &field : fields)
        quotedFields.append(quoted(field));
    return quotedFields.join(u',') + u"\r\n"_s;
}

} // namespace

QByteArray gamesCsv(const QList<GameRecord> &games)
{
    QString text = QString(QChar::ByteOrderMark) + csvLine(HistorySchema::gameColumns());
    for (const GameRecord &game : games)
        text += csvLine(gameRow(game));
    return text.toUtf8();
}
