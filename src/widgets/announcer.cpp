#include "widgets/announcer.h"

#include <QAccessibleWidget>
#include <QTimer>

namespace {

QAccessibleInterface *announcerFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
}

void Announcer::say(const QString &text)
{
    m_pending.append(text);
    scheduleFlush();
}

void Announcer::setPaused(bool paused)
{
    m_paused = paused;
    scheduleFlush();
}

void Announcer::scheduleFlush()
{
    if (m_paused || m_flushScheduled || m_pending.isEmpty())
        return;
    m_flushScheduled = true;
    QTimer::singleShot(0, this, &Announcer::flush);
}

void Announcer::flush()
{
    m_flushScheduled = false;
    if (m_paused || m_pending.isEmpty())
        return;
    m_last = m_pending.join(u' ');
    m_pending.clear();
    hide();
    setAccessibleName(m_last);
    show();
    Q_EMIT announced(m_last);
}
