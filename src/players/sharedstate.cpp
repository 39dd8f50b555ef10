#include "players/sharedstate.h"

QString currentPlayerName;
qint32 highestScore = 0;
QString highestScoreHolder;
Color gradientStartColor = Colors::Black;
Color gradientEndColor = Colors::Black;
QString settingsFilePath;
