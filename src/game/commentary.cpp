#include "game/commentary.h"

#include "game/random.h"

#include <QStringList>

namespace Commentary {

namespace {

QString pick(const QStringList &texts)
{
    return texts.at(randomBelow(int(texts.size())));
}

} // namespace

QString welcome(const QString &playerName)
{
    return pick({QStringLiteral("Hey there! Welcome to Tovik!"),
                 QStringLiteral("Hey, ") + playerName
                         + QStringLiteral("! My name is CPU ... I will be assisting you."),
                 playerName + QStringLiteral(" ... art thou ready for some hardcore Tovik playing?")});
}

QString combinedBonus()
{
    return pick({QStringLiteral("Whoa! Awesome bonus! You got both the extra quintox bonus and the "
                                "sub total bonus! +135 points!"),
                 QStringLiteral("Extra quintox and sub total bonus have been added! Good job! +135 "
                                "points!")});
}

QString extraFiveOfAKindBonus()
{
    return pick({QStringLiteral("Cool! Another quintox! +100 points for your bonus!"),
                 QStringLiteral("Here is your +100 points quintox bonus! Good job!")});
}

QString subTotalBonus(const QString &subTotalCaption)
{
    return pick({QStringLiteral("Cool! You got the sub total bonus of +35 points!"),
                 QStringLiteral("Your sub total is ") + subTotalCaption
                         + QStringLiteral(". Here is your +35 points bonus!"),
                 QStringLiteral("+35 point bonus!!")});
}

QString outOfRolls()
{
    return pick({QStringLiteral("Ack! No more turns left! Please select your score from the "
                                "remaining items below."),
                 QStringLiteral("WHAT IS THIS?! No more rolls?! Oh well, choose your score.")});
}

QString gameOver()
{
    return pick({QStringLiteral("Game Over."), QStringLiteral("Finally this game is over! See you later!"),
                 QStringLiteral("Nice game ... shall we play again?")});
}

QString rollRemark()
{
    return pick({QStringLiteral("Woohoo you can do a lot with that! Trust me ... tehe."),
                 QStringLiteral("...just don't mess up what you are aiming towards!"),
                 QStringLiteral("Aren't quintox games like this fun?"),
                 QStringLiteral("I'm starting to get excited!"),
                 QStringLiteral("I hope you're listening to me!")});
}

QString selection(qint32 points)
{
    return QStringLiteral("If you select this item, your score will be +") + QString::number(points)
            + QStringLiteral(" points. Press \"ROLL\" to continue and keep this score.");
}

QString refusal()
{
    return QStringLiteral("To select a different item, you must click \"Un-Select Item\" first.");
}

QString unselect()
{
    return pick({QStringLiteral("Wait a minute... are you SURE you do not want that item for your "
                                "score?"),
                 QStringLiteral("Heh."),
                 QStringLiteral("I might have done that... then again, maybe not.")});
}

} // namespace Commentary
