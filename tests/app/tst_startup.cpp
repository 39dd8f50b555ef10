#include "app/startup.h"
#include "game/gamestate.h"
#include "messageboxanswers.h"
#include "players/sharedstate.h"
#include "programfixture.h"
#include "testfiles.h"
#include "windows/gamewindow.h"
#include "windows/rollpacing.h"
#include "windows/welcomewindow.h"

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
    QTimer::singleShot(0, theWelcomeWindow, steps);
    return QCoreApplication::exec();
}

void TestStartup::startGameAs(const QString &name)
{
    settingsFilePath = m_program.filePath(u"settings.cfg"_s);
    theWelcomeWindow->show();
    theWelcomeWindow->nameEdit->setText(name);
    theWelcomeWindow->playButton->click();
    QVERIFY(theGameWindow->isVisible());
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
    QVERIFY(!theWelcomeWindow->isVisible());
    QVERIFY(!theGameWindow->isVisible());
    QVERIFY(!gameStarted);
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
        settingsFilePath = m_program.filePath(u"settings.cfg"_s);
        if (duringAGame) {
            startGameAs(u"Ann"_s);
            theGameWindow->animationAction->trigger();
            theGameWindow->differentPlayerAction->trigger();
        } else {
            theWelcomeWindow->show();
        }
        before = fileContents(settingsFilePath);
        if (closeBox)
            theWelcomeWindow->close();
        else
            theWelcomeWindow->exitButton->click();
    });
    QCOMPARE(status, 0);
    QCOMPARE(fileContents(settingsFilePath), before);
    QCOMPARE(theGameWindow->isVisible(), duringAGame);
}

void TestStartup::closingTheGameWindowSavesAndEnds()
{
    const int status = runLoop([&] {
        startGameAs(u"Ann"_s);
        theGameWindow->animationAction->trigger();
        theGameWindow->differentPlayerAction->trigger();
        theGameWindow->exitAction->trigger();
    });
    QCOMPARE(status, 0);
    QCOMPARE(fileContents(settingsFilePath),
             "color1=clAqua\r\ncolor2=clBlue\r\nanimation=1\r\nname=Ann\r\n");
    QVERIFY(!theGameWindow->isVisible());
}

void TestStartup::closingTheGameWindowDuringARollSavesAtOnceAndEndsAfterIt()
{
    QByteArray savedWhileRolling;
    bool rollRanToItsEnd = false;
    const int status = runLoop([&] {
        startGameAs(u"Ann"_s);
        theGameWindow->animationAction->trigger();
        QTimer::singleShot(0, theGameWindow, [&] {
            theGameWindow->close();
            savedWhileRolling = fileContents(settingsFilePath);
        });
        const int changesBefore = theGameWindow->diceDisplay().faceChanges();
        theGameWindow->rollButton->click();
        rollRanToItsEnd = theGameWindow->diceDisplay().faceChanges() - changesBefore == 152;
    });
    QCOMPARE(status, 0);
    QCOMPARE(savedWhileRolling, "color1=clAqua\r\ncolor2=clBlue\r\nanimation=1\r\nname=Ann\r\n");
    QVERIFY(rollRanToItsEnd);
    QVERIFY(!theGameWindow->isVisible());
}

void TestStartup::failedSaveKeepsTheGameWindowOpen()
{
    const MessageBoxAnswers answers({u"OK"_s});
    const int status = runLoop([&] {
        startGameAs(u"Ann"_s);
        theGameWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(theGameWindow));
        // A path through a regular file cannot be written, even by root.
        settingsFilePath += u"/settings.cfg"_s;
        theGameWindow->close();
        QVERIFY(theGameWindow->isVisible());
        QCoreApplication::exit(LoopLeftByTheGuard + 1);
    });
    QCOMPARE(status, LoopLeftByTheGuard + 1);
    QCOMPARE(answers.boxes().size(), 1);
    QCOMPARE(answers.boxes().constFirst().title, u"Tovik"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Critical);
    QCOMPARE(answers.boxes().constFirst().parent, theGameWindow);
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
            theGameWindow->animationAction->trigger();
        } else {
            settingsFilePath = m_program.filePath(u"settings.cfg"_s);
            theWelcomeWindow->show();
        }
        before = fileContents(settingsFilePath);
        if (dialogOpen) {
            QTimer::singleShot(0, theGameWindow, closeAsTheCloseBoxDoes);
            theGameWindow->colorsAction->trigger();
        } else {
            closeAsTheCloseBoxDoes();
        }
    });
    QCOMPARE(status, 0);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(fileContents(settingsFilePath),
             duringAGame ? "color1=clAqua\r\ncolor2=clBlue\r\nanimation=1\r\nname=Ann\r\n"
                         : before);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
