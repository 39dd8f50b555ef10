#include "windows/windowplacement.h"

#include "windows/maximiserefusal.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centerOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen)
        centerOver(window, screen->availableGeometry());
}

void centerOver(QWidget *window, const QRect &frame)
{
    QRect bounds = window->frameGeometry();
    bounds.moveCenter(frame.center());
    window->move(bounds.topLeft());
}

void centerOverMainWindow(QWidget *window, const QWidget *mainWindow)
{
    if (mainWindow)
        centerOver(window, mainWindow->frameGeometry());
    else
        centerOnScreen(window);
}

void setFixedBorder(QWidget *window, bool minimiseBox)
{
    Qt::WindowFlags flags = window->windowType() | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimiseBox)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    new MaximiseRefusal(window);
}
