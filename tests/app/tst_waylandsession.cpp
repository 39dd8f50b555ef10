// The program on Qt's Wayland platform, under the compositor that waylandsession.py starts:
// the player goes from the welcome window to the game window, a window opened from there has
// the game window as its transient parent, and everything closes cleanly.
#include "app/mainwindow.h"
#include "players/welcomewindow.h"
#include "programfixture.h"
#include "windowtesting.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

class TestWaylandSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aboutWindowOpensOverTheGameWindow();
};

void TestWaylandSession::aboutWindowOpensOverTheGameWindow()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    ProgramFixture program;
    program.start();
    Form3->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form3));
    Form3->PlayersName->setText(QStringLiteral("Ann"));
    Form3->Button1->click();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));

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
    program.stop();
}

QTEST_MAIN(TestWaylandSession)
#include "tst_waylandsession.moc"
