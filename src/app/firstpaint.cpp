#include "app/firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace {

// Watches for the program's first paint, then hands the work to the message loop and goes. The
// paint may reach only the controls that cover a window, and the window first shown may be left
// before it paints, so every widget's paint is watched.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QObject *context, std::function<void()> work)
        : QObject(context), m_context(context), m_work(std::move(work))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, m_context, std::move(m_work));
            deleteLater();
        }
        return false;
    }

private:
    QObject *m_context;
    std::function<void()> m_work;
};

} // namespace

void afterFirstPaint(QObject *context, std::function<void()> work)
{
    new FirstPaintWatch(context, std::move(work));
}
