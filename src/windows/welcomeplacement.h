#pragma once

class QWidget;

// Centres a window over the application's main window, the welcome window, also while that
// window is hidden: its last place counts, not the game window's. Without a welcome window the
// window opens at the centre of the desktop.
void centerOverWelcomeWindow(QWidget *window);
