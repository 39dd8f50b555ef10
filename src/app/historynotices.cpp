#include "app/historynotices.h"

#include "base/messageboxes.h"
#include "windows/gamewindow.h"

HistoryNotices::HistoryNotices(const GameWindow &gameWindow, QObject *parent)
    : QObject(parent), m_gameWindow(gameWindow)
{
    // Once the roll that settled them has run to its end.
    connect(&gameWindow, &GameWindow::diceSettled, this, [this] {
        QMetaObject::invokeMethod(this, &HistoryNotices::showWaiting, Qt::QueuedConnection);
    });
}

void HistoryNotices::tell(const QString &text)
{
    if (m_told.contains(text))
        return;
    m_told.insert(text);
    m_waiting.append(text);
    showWaiting();
}

void HistoryNotices::showWaiting()
{
    // A problem told while a box is open waits for the box before it.
    if (m_showing || m_gameWindow.isRolling())
        return;
    m_showing = true;
    while (!m_waiting.isEmpty())
        MessageBoxes::notice(m_waiting.takeFirst());
    m_showing = false;
}
