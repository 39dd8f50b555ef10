#pragma once

#include <QFont>

class QWidget;

// The two faces the windows were laid out with. Metric-compatible files are loaded from the
// system's Wine font folder on first use, so that captions fit their fixed-size labels; where
// one cannot be loaded, a warning says so and Qt substitutes the nearest face it has.
QFont tahomaFont(int pixelSize, bool bold = false);
QFont msSansSerifFont(int pixelSize);

// A window's own font: MS Sans Serif where the screen shows its bitmaps at their size, Tahoma
// where the screen scales and the bitmaps would stay small. Chosen again when the window comes
// to a screen of another scale.
void setWindowFont(QWidget *window, int pixelSize);
