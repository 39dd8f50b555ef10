#pragma once

#include <QString>
#include <QtGlobal>

// What the commentator "CPU" says at each game event. Where an event has several texts, one is
// drawn with randomBelow(n) of the process's generator, every text equally likely.
namespace Commentary {

QString welcome(const QString &playerName);
QString combinedBonus();
QString extraFiveOfAKindBonus();
QString subTotalBonus(const QString &subTotalCaption);
QString outOfRolls();
QString gameOver();
QString rollRemark();
QString selection(qint32 points);
QString refusal();
QString unselect();

} // namespace Commentary
