#include "coach/choicetext.h"

#include <QStringList>

namespace {

QString facesText(const auto &faces)
{
    QStringList texts;
    for (qint32 face : faces)
        texts.append(QString::number(face));
    return texts.join(u' ');
}

} // namespace

QString choiceText(const Choice &choice)
{
    if (choice.kind == Choice::Kind::Score) {
        return QStringLiteral("score %1 for %2")
                .arg(categoryCaption(choice.category))
                .arg(choice.points);
    }
    if (choice.heldDice.empty())
        return QStringLiteral("roll all five dice");
    return QStringLiteral("hold %1 and roll").arg(facesText(choice.heldDice));
}

QString diceText(const Dice &dice)
{
    return facesText(dice);
}

QString pointsText(double points)
{
    return QString::number(points, 'f', 2);
}
