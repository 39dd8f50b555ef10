#pragma once

#include "base/color.h"

#include <QAnyStringView>

class QFrame;
class QLabel;
class QString;
class QWidget;

// The black panels of the coach's windows: lines of text one under the other, each a label of
// its own that a screen reader reads as it stands, and that takes no room while it is empty.
QFrame *newLinesPanel(QWidget *parent, QAnyStringView name);
QLabel *addPanelLine(QFrame *panel, QAnyStringView name, Color color = Colors::White);
void setPanelLine(QLabel *line, const QString &text);
