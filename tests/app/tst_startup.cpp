#include "app/mainwindow.h"
#include "app/startup.h"
#include "game/gamestate.h"
#include "game/rollpacing.h"
#include "players/messageboxanswers.h"
#include "players/sharedstate.h"
#include "players/welcomewindow.h"
#include "programfixture.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <functional>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Ends a message loop that the program failed to end, so that a faulty build fails instead of
// hanging; a passing run never waits for it.
constexpr auto HangGuard = 60s;
constexpr int LoopLeftByTheGuard = 99;

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void applicationIsNamedTovikAndOutlivesItsWindows();
    void welcomeWindowComesFirstAndTheGameWindowHidden();
    void leavingThroughTheWelcomeWindowEndsWithoutSaving_data();
    void leavingThroughTheWelcomeWindowEndsWithoutSaving();
    void closingTheGameWindowSavesAndEnds();
    void closingTheGameWindowDuringARollSavesAtOnceAndEndsAfterIt();
    void failedSaveKeepsTheGameWindowOpen();
    void requestToEndClosesAsTheCloseBoxDoes_data();
    void requestToEndClosesAsTheCloseBoxDoes();

private:
    // Runs the message loop with steps queued as its first event; returns the loop's status.
    int runLoop(const std::function<void()> &steps);
    void startGameAs(const QString &name);

    ProgramFixture m_program;
};

void TestStartup::initTestCase()
{
    setUpApplication();
    RollPacing::setEnabled(false);
}

void TestStartup::init()
{
    m_program.start();
}

void TestStartup::cleanup()
{
    m_program.stop();
}

int TestStartup::runLoop(const std::function<void()> &steps)
{
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(LoopLeftByTheGuard); });
    guard.start(HangGuard);
    QTimer::singleShot(0, Form3, steps);
    return QCoreApplication::exec();
}

void TestStartup::startGameAs(const QString &name)
{
    SettingsPath = m_program.filePath(u"settings.cfg"_s);
    Form3->show();
    Form3->PlayersName->setText(name);
    Form3->Button1->click();
    QVERIFY(Form1->isVisible());
}

void TestStartup::applicationIsNamedTovikAndOutlivesItsWindows()
{
    QCOMPARE(QCoreApplication::applicationName(), u"Tovik"_s);
    QCOMPARE(QCoreApplication::applicationVersion(), u"2.0.4.56"_s);
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
}

void TestStartup::welcomeWindowComesFirstAndTheGameWindowHidden()
{
    QCOMPARE(m_program.settingsPathAtStart(),
             QCoreApplication::applicationDirPath() + u"/settings.cfg"_s);
    QVERIFY(!Form3->isVisible());
    QVERIFY(!Form1->isVisible());
    QVERIFY(!GameStarted);
}

void TestStartup::leavingThroughTheWelcomeWindowEndsWithoutSaving_data()
{
    QTest::addColumn<bool>("duringAGame");
    QTest::addColumn<bool>("closeBox");

    QTest::newRow("close box before the first game") << false << true;
    QTest::newRow("Exit before the first game") << false << false;
    QTest::newRow("close box during a game") << true << true;
}

void TestStartup::leavingThroughTheWelcomeWindowEndsWithoutSaving()
{
    QFETCH(bool, duringAGame);
    QFETCH(bool, closeBox);

    QByteArray before;
    const int status = runLoop([&] {
        SettingsPath = m_program.filePath(u"settings.cfg"_s);
        if (duringAGame) {
            startGameAs(u"Ann"_s);
            Form1->Animation1->trigger();
            Form1->Playfordifferentplayer1->trigger();
        } else {
            Form3->show();
        }
        before = fileContents(SettingsPath);
        if (closeBox)
            Form3->close();
        else
            Form3->Button2->click();
    });
    QCOMPARE(status, 0);
    QCOMPARE(fileContents(SettingsPath), before);
    QCOMPARE(Form1->isVisible(), duringAGame);
}

void TestStartup::closingTheGameWindowSavesAndEnds()
{
    const int status = runLoop([&] {
        startGameAs(u"Ann"_s);
        Form1->Animation1->trigger();
        Form1->Playfordifferentplayer1->trigger();
        Form1->Exit1->trigger();
    });
    QCOMPARE(status, 0);
    QCOMPARE(fileContents(SettingsPath), "color1=clAqua\r\ncolor2=clBlue\r\nanimation=1\r\nname=Ann\r\n");
    QVERIFY(!Form1->isVisible());
}

void TestStartup::closingTheGameWindowDuringARollSavesAtOnceAndEndsAfterIt()
{
    QByteArray savedWhileRolling;
    bool rollRanToItsEnd = false;
    const int status = runLoop([&] {
        startGameAs(u"Ann"_s);
        Form1->Animation1->trigger();
        QTimer::singleShot(0, Form1, [&] {
            Form1->close();
            savedWhileRolling = fileContents(SettingsPath);
        });
        const int changesBefore = Form1->diceDisplay().faceChanges();
        Form1->RollButton->click();
        rollRanToItsEnd = Form1->diceDisplay().faceChanges() - changesBefore == 152;
    });
    QCOMPARE(status, 0);
    QCOMPARE(savedWhileRolling, "color1=clAqua\r\ncolor2=clBlue\r\nanimation=1\r\nname=Ann\r\n");
    QVERIFY(rollRanToItsEnd);
    QVERIFY(!Form1->isVisible());
}

void TestStartup::failedSaveKeepsTheGameWindowOpen()
{
    const MessageBoxAnswers answers({u"OK"_s});
    const int status = runLoop([&] {
        startGameAs(u"Ann"_s);
        Form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        // A path through a regular file cannot be written, even by root.
        SettingsPath += u"/settings.cfg"_s;
        Form1->close();
        QVERIFY(Form1->isVisible());
        QCoreApplication::exit(LoopLeftByTheGuard + 1);
    });
    QCOMPARE(status, LoopLeftByTheGuard + 1);
    QCOMPARE(answers.boxes().size(), 1);
    QCOMPARE(answers.boxes().constFirst().title, u"Tovik"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Critical);
    QCOMPARE(answers.boxes().constFirst().parent, Form1);
}

void TestStartup::requestToEndClosesAsTheCloseBoxDoes_data()
{
    QTest::addColumn<bool>("duringAGame");
    QTest::addColumn<bool>("dialogOpen");

    QTest::newRow("before the first game") << false << false;
    QTest::newRow("during a game") << true << false;
    QTest::newRow("with the colour dialog open") << true << true;
}

void TestStartup::requestToEndClosesAsTheCloseBoxDoes()
{
    QFETCH(bool, duringAGame);
    QFETCH(bool, dialogOpen);

    QByteArray before;
    const int status = runLoop([&] {
        if (duringAGame) {
            startGameAs(u"Ann"_s);
            Form1->Animation1->trigger();
        } else {
            SettingsPath = m_program.filePath(u"settings.cfg"_s);
            Form3->show();
        }
        before = fileContents(SettingsPath);
        if (dialogOpen) {
            QTimer::singleShot(0, Form1, closeAsTheCloseBoxDoes);
            Form1->Preferences1->trigger();
        } else {
            closeAsTheCloseBoxDoes();
        }
    });
    QCOMPARE(status, 0);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(fileContents(SettingsPath),
             duringAGame ? "color1=clAqua\r\ncolor2=clBlue\r\nanimation=1\r\nname=Ann\r\n"
                         : before);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
