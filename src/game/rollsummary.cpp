#include "game/rollsummary.h"

#include <QStringList>

QString rollSummary(const Dice &dice, const std::array<quint8, 5> &held)
{
    QStringList values;
    QStringList heldDice;
    for (std::size_t die = 0; die < dice.size(); ++die) {
        values.append(QString::number(dice[die]));
        if (held[die])
            heldDice.append(QString::number(die + 1));
    }
    QString summary = QStringLiteral("Rolled ") + values.join(QStringLiteral(", "));
    if (heldDice.size() == 1)
        summary += QStringLiteral("; die %1 held").arg(heldDice.first());
    else if (!heldDice.isEmpty())
        summary += QStringLiteral("; dice %1 held").arg(heldDice.join(QStringLiteral(", ")));
    return summary + u'.';
}
