#include "windows/windowplacement.h"

#include "windows/maximiserefusal.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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

void placeBeside(QWidget *window, const QWidget *other)
{
    const QScreen *screen = other->screen() ? other->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        window->move(besidePosition(other->frameGeometry(), window->frameGeometry().size(),
                                    screen->availableGeometry()));
    }
}

QPoint besidePosition(const QRect &otherFrame, const QSize &frameSize, const QRect &available)
{
    int left = otherFrame.right() + 1;
    if (left + frameSize.width() - 1 > available.right()) {
        const int leftOfOther = otherFrame.left() - frameSize.width();
        left = leftOfOther >= available.left() ? leftOfOther
                                               : available.right() + 1 - frameSize.width();
    }
    const int top
            = std::clamp(otherFrame.top(), available.top(),
                         std::max(available.top(), available.bottom() + 1 - frameSize.height()));
    return {std::max(left, available.left()), top};
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
