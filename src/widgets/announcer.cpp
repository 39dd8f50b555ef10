#include "widgets/announcer.h"

#include "widgets/accessiblerole.h"

#include <QTimer>

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setAccessibleRole(staticMetaObject, QAccessible::Notification);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
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
    const QString text = m_pending.join(u' ');
    m_pending.clear();
    // Shown for a moment only: a notification left showing would be spoken again each time
    // its window is shown.
    setAccessibleName(text);
    show();
    hide();
    Q_EMIT announced(text);
}
