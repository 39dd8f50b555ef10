#pragma once

#include <QObject>

class QWidget;

// Keeps a fixed-size window out of the maximised state. Where the desktop draws its title bar
// from the window flags this is never needed; Qt's own Wayland title bar offers maximise
// whatever the flags, and a maximised fixed-size window would stay small in the corner.
class MaximiseRefusal : public QObject
{
    Q_OBJECT

public:
    // Lives as long as window.
    explicit MaximiseRefusal(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};
