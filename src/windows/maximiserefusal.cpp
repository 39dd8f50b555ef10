#include "windows/maximiserefusal.h"

#include <QEvent>
#include <QWidget>

MaximiseRefusal::MaximiseRefusal(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool MaximiseRefusal::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowStateChange
        && m_window->isMaximized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMaximized);
    return QObject::eventFilter(watched, event);
}
