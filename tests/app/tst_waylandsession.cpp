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
    m_program.welcomeWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_program.welcomeWindow()));
    m_program.welcomeControl<QLineEdit>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Ann"));
    m_program.welcomeControl<QPushButton>(QStringLiteral("playButton"))->click();
    QVERIFY(QTest::qWaitForWindowExposed(m_program.gameWindow()));
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
    m_program.gameControl<QAction>(QStringLiteral("aboutAction"))->trigger();
    QVERIFY(answer.answered());
    QVERIFY(exposed);
    QCOMPARE(transientParent, m_program.gameWindow()->windowHandle());
}

// Qt's own title bar here offers maximise even to a fixed-size window.
void TestWaylandSession::gameWindowCannotBeMaximised()
{
    const QSize size = m_program.gameWindow()->size();
    QSignalSpy states(m_program.gameWindow()->windowHandle(), &QWindow::windowStateChanged);
    m_program.gameWindow()->windowHandle()->showMaximized();
    // The compositor answers the request first; the window then leaves the state at once.
    QTRY_VERIFY(states.contains(QVariantList {QVariant::fromValue(Qt::WindowMaximized)}));
    QTRY_COMPARE(m_program.gameWindow()->windowHandle()->windowState(), Qt::WindowNoState);
    QVERIFY(!m_program.gameWindow()->isMaximized());
    QCOMPARE(m_program.gameWindow()->size(), size);
}

QTEST_MAIN(TestWaylandSession)
#include "tst_waylandsession.moc"
