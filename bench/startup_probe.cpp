// Starts either the game as its executable does or a bare window of the same size with a menu
// bar, and at the first paint of that window prints the monotonic clock in nanoseconds and the
// peak resident size in kilobytes, then ends. bench/run compares the two.

#include "app/startup.h"
#include "windows/welcomewindow.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>

namespace {

long peakResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Reports the first paint of any widget inside a watched window, then ends the program.
class FirstPaintProbe : public QObject
{
public:
    explicit FirstPaintProbe(std::function<bool(const QWidget *)> isWatched)
        : m_isWatched(std::move(isWatched))
    {
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (event->type() == QEvent::Paint && widget && m_isWatched(widget->window())
            && !m_reported) {
            m_reported = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld %ld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec,
                        peakResidentKilobytes());
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<bool(const QWidget *)> m_isWatched;
    bool m_reported = false;
};

int runBareWindow()
{
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    window.centralWidget()->setFixedSize(600, 400);
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&New..."));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    FirstPaintProbe probe([&window](const QWidget *painted) { return painted == &window; });
    qApp->installEventFilter(&probe);
    window.show();
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0)
        return runBareWindow();
    setUpApplication();
    FirstPaintProbe probe([](const QWidget *painted) {
        return qobject_cast<const WelcomeWindow *>(painted) != nullptr;
    });
    application.installEventFilter(&probe);
    return runProgram();
}
