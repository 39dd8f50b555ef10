// The program on Qt's Wayland platform, under the compositor that waylandsession.py starts:
// the player goes from the welcome window to the game window, a window opened from there has
// the game window as its transient parent, the game window cannot be maximised, and everything
// closes cleanly.
#include "app/mainwindow.h"
#include "players/welcomewindow.h"
#include "programfixture.h"
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
    Form3->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form3));
    Form3->PlayersName->setText(QStringLiteral("Ann"));
    Form3->Button1->click();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
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
    Form1->About1->trigger();
    QVERIFY(answer.answered());
    QVERIFY(exposed);
    QCOMPARE(transientParent, Form1->windowHandle());
}

// Qt's own title bar here offers maximise even to a fixed-size window.
void TestWaylandSession::gameWindowCannotBeMaximised()
{
    const QSize size = Form1->size();
    QSignalSpy states(Form1->windowHandle(), &QWindow::windowStateChanged);
    Form1->windowHandle()->showMaximized();
    // The compositor answers the request first; the window then leaves the state at once.
    QTRY_VERIFY(states.contains(QVariantList {QVariant::fromValue(Qt::WindowMaximized)}));
    QTRY_COMPARE(Form1->windowHandle()->windowState(), Qt::WindowNoState);
    QVERIFY(!Form1->isMaximized());
    QCOMPARE(Form1->size(), size);
}

QTEST_MAIN(TestWaylandSession)
#include "tst_waylandsession.moc"
