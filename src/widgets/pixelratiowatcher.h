#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Tells when a window has come to a screen of another scale (dragged to another monitor, or
// shown first on one other than the primary), so that what was chosen for the old scale can
// be chosen again. Qt repaints by itself; this is for choices made outside painting.
class PixelRatioWatcher : public QObject
{
    Q_OBJECT

public:
    // Lives as long as window; onChange runs after each change of its device pixel ratio.
    PixelRatioWatcher(QWidget *window, std::function<void()> onChange);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    qreal m_ratio;
    std::function<void()> m_onChange;
};
