#pragma once

#include <QStringList>
#include <QWidget>

// Tells a screen reader what just happened without moving the focus. Screen readers speak an
// object of the notification role when it shows up, whatever has the focus; so the texts said
// during one event become the name of this empty widget, which then shows itself for a moment.
// While paused (a roll in progress), texts wait and are spoken together afterwards.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void say(const QString &text);
    void setPaused(bool paused);

Q_SIGNALS:
    void announced(const QString &text);

private:
    void scheduleFlush();
    void flush();

    QStringList m_pending;
    bool m_paused = false;
    bool m_flushScheduled = false;
};
