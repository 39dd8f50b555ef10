// The program on Qt's Wayland platform, under the compositor that waylandsession.py starts:
// the player goes from the welcome window to the game window, a window opened from there has
// the game window as its transient parent, the game window cannot be maximised, and everything
// closes cleanly.
#include "programfixture.h"
#include "windows/gamewindow.h"
#include "windows/welcomewindow.h"
#include "windowtesting.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>

class TestWaylandSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void aboutWindowOpensOverTheGameWindow();
    void gameWindowCannotBeMaximised();

private:
    ProgramFixture m_program;
};

void TestWaylandSession::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
}

// The player comes from the welcome window to the game window.
void TestWaylandSession::init()
{
    m_program.start();
    theWelcomeWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(theWelcomeWindow));
    theWelcomeWindow->nameEdit->setText(QStringLiteral("Ann"));
    theWelcomeWindow->playButton->click();
    QVERIFY(QTest::qWaitForWindowExposed(theGameWindow));
}

void TestWaylandSession::cleanup()
{
    m_program.stop();
}

void TestWaylandSession::aboutWindowOpensOverTheGameWindow()
{
    const QWindow *transientParent = nullptr;
    bool exposed = false;
    ModalAnswer<QDialog> answer([&](QDialog *window) {
        transientParent = window->windowHandle()->transientParent();
        exposed = QTest::qWaitForWindowExposed(window);
        window->reject();
    });
    theGameWindow->aboutAction->trigger();
    QVERIFY(answer.answered());
    QVERIFY(exposed);
    QCOMPARE(transientParent, theGameWindow->windowHandle());
}

// Qt's own title bar here offers maximise even to a fixed-size window.
void TestWaylandSession::gameWindowCannotBeMaximised()
{
    const QSize size = theGameWindow->size();
    QSignalSpy states(theGameWindow->windowHandle(), &QWindow::windowStateChanged);
    theGameWindow->windowHandle()->showMaximized();
    // The compositor answers the request first; the window then leaves the state at once.
    QTRY_VERIFY(states.contains(QVariantList {QVariant::fromValue(Qt::WindowMaximized)}));
    QTRY_COMPARE(theGameWindow->windowHandle()->windowState(), Qt::WindowNoState);
    QVERIFY(!theGameWindow->isMaximized());
    QCOMPARE(theGameWindow->size(), size);
}

QTEST_MAIN(TestWaylandSession)
#include "tst_waylandsession.moc"
