#pragma once

#include "base/color.h"

#include <QAnyStringView>

class GradientFill;
class QFont;
class QFrame;
class QLabel;
class QPoint;
class QPushButton;
class QRect;
class QString;
class QWidget;

// Builders for the plain controls that the windows place by the pixel, so that every window
// gets the same look from the same few calls.

// Gives a control the object name by which tests and tools find it.
template<typename Control> Control *named(Control *control, QAnyStringView name)
{
    control->setObjectName(name);
    return control;
}

void setTextColor(QWidget *widget, Color color);
void setBackgroundColor(QWidget *widget, Color color);

// A standard panel: filled with its colour inside a one-pixel raised bevel.
QFrame *newPanel(QWidget *parent, const QRect &geometry, Color color);

// A label that takes the width of its text, with its top-left corner at position. It is as tall
// as the layout gives it or as its font's full line, whichever is taller.
QLabel *newLabel(const QString &text, QWidget *parent, const QPoint &position, int layoutHeight,
                 const QFont &font, Color color);
void setLabelText(QLabel *label, const QString &text);

// Whether the player can press the button now. Qt clicks a button for its Alt+letter a moment
// after the key, even when the button has been hidden or disabled in between, so every button's
// handler asks this first.
bool canBePressed(const QWidget *button);

// Sets a label's lines in its font's full line (see FontLine), as the layouts were drawn: the
// first line's accents then show below the label's top edge instead of being cut off. Call it
// after the label's font is set.
void setTextOnFullLines(QLabel *label);

QPushButton *newButton(const QString &caption, QWidget *parent, const QRect &geometry,
                       const QFont &font);
// Gives a button made elsewhere what newButton() gives its own.
void setUpButton(QPushButton *button, const QRect &geometry, const QFont &font);

// A window's background fill as designed, from Colors::Aqua to Colors::Blue, until the window shows
// the player's colour pair. Created before the other controls, it lies under all of them.
GradientFill *newBackgroundFill(QWidget *parent, const QRect &geometry, int colorCount);
