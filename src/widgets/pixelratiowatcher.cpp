#include "widgets/pixelratiowatcher.h"

#include <QEvent>
#include <QWidget>

PixelRatioWatcher::PixelRatioWatcher(QWidget *window, std::function<void()> onChange)
    : QObject(window), m_window(window), m_ratio(window->devicePixelRatio()),
      m_onChange(std::move(onChange))
{
    window->installEventFilter(this);
}

bool PixelRatioWatcher::eventFilter(QObject *watched, QEvent *event)
{
    // Qt sends the screen change to a window and all its children; the window's own is enough.
    const bool mayHaveChanged
            = event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show;
    if (watched == m_window && mayHaveChanged && m_window->devicePixelRatio() != m_ratio) {
        m_ratio = m_window->devicePixelRatio();
        m_onChange();
    }
    return QObject::eventFilter(watched, event);
}
