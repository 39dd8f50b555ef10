#include "app/startup.h"

#include "app/mainwindow.h"
#include "app/terminationsignals.h"
#include "players/welcomewindow.h"

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
    Form3 = new TForm3;
    Form1 = new TForm1;
    Form3->followGameWindow(Form1);
}

void destroyMainWindows()
{
    delete Form1;
    Form1 = nullptr;
    delete Form3;
    Form3 = nullptr;
}

void closeAsTheCloseBoxDoes()
{
    if (Form1->isVisible())
        Form1->close();
    else
        Form3->close();
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
    QMetaObject::invokeMethod(Form3, &QWidget::show, Qt::QueuedConnection);
    QCoreApplication::exec();
    destroyMainWindows();
    return 0;
}
