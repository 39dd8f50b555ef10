#pragma once

#include <QFont>

// The two faces the windows were laid out with. Metric-compatible files are loaded from the
// system's Wine font folder on first use, so that captions fit their fixed-size labels; where
// one cannot be loaded, a warning says so and Qt substitutes the nearest face it has.
QFont tahomaFont(int pixelSize, bool bold = false);
QFont msSansSerifFont(int pixelSize);
