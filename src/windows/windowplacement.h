#pragma once

class QRect;
class QWidget;

// Where windows open: at the centre of the desktop, or centred over another window's frame.
void centerOnScreen(QWidget *window);
void centerOver(QWidget *window, const QRect &frame);
// Centred over the application's main window, the welcome window, also while that window is
// hidden: its last place counts, not the game window's. Without one, at the centre of the desktop.
void centerOverMainWindow(QWidget *window, const QWidget *mainWindow);

// Fixed single border: a title bar with the system menu, a close box and, where asked, a
// minimise box; never a maximise box, and no maximising where a title bar offers it anyway.
void setFixedBorder(QWidget *window, bool minimiseBox);
