#include "app/startup.h"

#include "app/mainwindows.h"
#include "app/singleinstance.h"
#include "app/terminationsignals.h"
#include "players/settingslocation.h"
#include "windows/welcomewindow.h"

#include <QApplication>
#include <QIcon>
#include <QMetaObject>

#include <memory>

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tovik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVIK_VERSION));
    // Wayland desktops find the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tovik"));
    QIcon icon;
    for (const QString &size : {QString(), QStringLiteral("@2x"), QStringLiteral("@3x")})
        icon.addFile(QStringLiteral(":/icon/tovik%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

int runProgram()
{
    const SingleInstance instance(settingsFileLocation());
    if (!instance.isFirst())
        return 0;
    auto windows = std::make_unique<MainWindows>();
    QObject::connect(&instance, &SingleInstance::activationRequested, &windows->welcomeWindow(),
                     [&windows] { windows->showCurrentWindow(); });
    const TerminationSignals terminationSignals;
    const auto close = [&windows] { windows->closeAsTheCloseBoxDoes(); };
    QObject::connect(&terminationSignals, &TerminationSignals::terminationRequested, close);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, close);
    const int status = runMainWindows(*windows);
    // The windows go before the signal handlers they answer.
    windows.reset();
    return status;
}

int runMainWindows(MainWindows &windows)
{
    QMetaObject::invokeMethod(&windows.welcomeWindow(), &QWidget::show, Qt::QueuedConnection);
    QCoreApplication::exec();
    return 0;
}
