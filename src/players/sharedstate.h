#pragma once

#include "base/color.h"

#include <QString>
#include <QtGlobal>

// Values that the windows share for the whole run and that the settings file keeps.
extern QString currentPlayerName;
extern qint32 highestScore;
extern QString highestScoreHolder;
extern Color gradientStartColor;
extern Color gradientEndColor;
extern QString settingsFilePath;
