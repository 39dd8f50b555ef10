#pragma once

#include "widgets/kitcolor.h"

#include <QString>
#include <QtGlobal>

// Values that the windows share for the whole run and that the settings file keeps.
extern QString PlayerName;
extern qint32 HighScore;
extern QString HighScoreName;
extern TColor GradientStartColor;
extern TColor GradientEndColor;
extern QString SettingsPath;
