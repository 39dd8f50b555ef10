#include "players/sharedstate.h"

QString PlayerName;
qint32 HighScore = 0;
QString HighScoreName;
TColor GradientStartColor = clBlack;
TColor GradientEndColor = clBlack;
QString SettingsPath;
