#pragma once

class QPoint;
class QRect;
class QSize;
class QWidget;

// Where windows open: at the centre of the desktop, or centred over another window's frame.
void centerOnScreen(QWidget *window);
void centerOver(QWidget *window, const QRect &frame);
// Centred over the application's main window, the welcome window, also while that window is
// hidden: its last place counts, not the game window's. Without one, at the centre of the desktop.
void centerOverMainWindow(QWidget *window, const QWidget *mainWindow);
// Beside another window on its screen: to its right where there is room, else to its left,
// else as far right as the screen allows; level with its top.
void placeBeside(QWidget *window, const QWidget *other);
// The rule itself: the top-left corner of a frame of size frameSize beside otherFrame.
QPoint besidePosition(const QRect &otherFrame, const QSize &frameSize, const QRect &available);

// Fixed single border: a title bar with the system menu, a close box and, where asked, a
// minimise box; never a maximise box, and no maximising where a title bar offers it anyway.
void setFixedBorder(QWidget *window, bool minimiseBox);
