#include "windows/rollpacing.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace RollPacing {

namespace {

bool enabled = true;

constexpr double FallbackRefreshRate = 60.0;

double refreshRateOf(const QWidget *window)
{
    const QScreen *screen = window->screen();
    const double rate = screen ? screen->refreshRate() : 0.0;
    return rate > 0.0 ? rate : FallbackRefreshRate;
}

} // namespace

void setEnabled(bool on)
{
    enabled = on;
}

bool isEnabled()
{
    return enabled;
}

void waitForRefresh(const QElapsedTimer &passStart, const QWidget *window)
{
    if (!enabled)
        return;
    const qint64 refreshNs = qint64(1e9 / refreshRateOf(window));
    const qint64 remainingMs = (refreshNs - passStart.nsecsElapsed() + 999'999) / 1'000'000;
    if (remainingMs <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(int(remainingMs), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace RollPacing
