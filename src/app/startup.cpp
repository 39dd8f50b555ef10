#include "app/startup.h"

#include "app/terminationsignals.h"
#include "windows/gamewindow.h"
#include "windows/welcomewindow.h"

#include <QApplication>
#include <QIcon>
#include <QMetaObject>

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

void createMainWindows()
{
    theWelcomeWindow = new WelcomeWindow;
    theGameWindow = new GameWindow;
    theWelcomeWindow->followGameWindow(theGameWindow);
}

void destroyMainWindows()
{
    delete theGameWindow;
    theGameWindow = nullptr;
    delete theWelcomeWindow;
    theWelcomeWindow = nullptr;
}

void closeAsTheCloseBoxDoes()
{
    if (theGameWindow->isVisible())
        theGameWindow->close();
    else
        theWelcomeWindow->close();
}

int runProgram()
{
    createMainWindows();
    const TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignals::terminationRequested,
                     closeAsTheCloseBoxDoes);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, closeAsTheCloseBoxDoes);
    return runMainWindows();
}

int runMainWindows()
{
    QMetaObject::invokeMethod(theWelcomeWindow, &QWidget::show, Qt::QueuedConnection);
    QCoreApplication::exec();
    destroyMainWindows();
    return 0;
}
