#include "app/startup.h"
#include "messageboxanswers.h"
#include "players/session.h"
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
    void failedSaveShowsTheErrorAndEnds();
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
    QTimer::singleShot(0, m_program.welcomeWindow(), steps);
    return QCoreApplication::exec();
}

void TestStartup::startGameAs(const QString &name)
{
    m_program.session().setSettingsPath(m_program.filePath(u"settings.cfg"_s));
    m_program.welcomeWindow()->show();
    m_program.welcomeControl<QLineEdit>(QStringLiteral("nameEdit"))->setText(name);
    m_program.welcomeControl<QPushButton>(QStringLiteral("playButton"))->click();
    QVERIFY(m_program.gameWindow()->isVisible());
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
    QVERIFY(!m_program.welcomeWindow()->isVisible());
    QVERIFY(!m_program.gameWindow()->isVisible());
    QVERIFY(!m_program.session().gameStarted());
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
        m_program.session().setSettingsPath(m_program.filePath(u"settings.cfg"_s));
        if (duringAGame) {
            startGameAs(u"Ann"_s);
            m_program.gameControl<QAction>(QStringLiteral("animationAction"))->trigger();
            m_program.gameControl<QAction>(QStringLiteral("differentPlayerAction"))->trigger();
        } else {
            m_program.welcomeWindow()->show();
        }
        before = fileContents(m_program.session().settingsPath());
        if (closeBox)
            m_program.welcomeWindow()->close();
        else
            m_program.welcomeControl<QPushButton>(QStringLiteral("exitButton"))->click();
    });
    QCOMPARE(status, 0);
    QCOMPARE(fileContents(m_program.session().settingsPath()), before);
    QCOMPARE(m_program.gameWindow()->isVisible(), duringAGame);
}

void TestStartup::closingTheGameWindowSavesAndEnds()
{
    const int status = runLoop([&] {
        startGameAs(u"Ann"_s);
        m_program.gameControl<QAction>(QStringLiteral("animationAction"))->trigger();
        m_program.gameControl<QAction>(QStringLiteral("differentPlayerAction"))->trigger();
        m_program.gameControl<QAction>(QStringLiteral("exitAction"))->trigger();
    });
    QCOMPARE(status, 0);
    QCOMPARE(fileContents(m_program.session().settingsPath()),
             "color1=clAqua\r\ncolor2=clBlue\r\nanimation=1\r\nname=Ann\r\n");
    QVERIFY(!m_program.gameWindow()->isVisible());
}

void TestStartup::closingTheGameWindowDuringARollSavesAtOnceAndEndsAfterIt()
{
    QByteArray savedWhileRolling;
    bool rollRanToItsEnd = false;
    const int status = runLoop([&] {
        startGameAs(u"Ann"_s);
        m_program.gameControl<QAction>(QStringLiteral("animationAction"))->trigger();
        QTimer::singleShot(0, m_program.gameWindow(), [&] {
            m_program.gameWindow()->close();
            savedWhileRolling = fileContents(m_program.session().settingsPath());
        });
        const int changesBefore = m_program.gameWindow()->diceDisplay().faceChanges();
        m_program.gameControl<QPushButton>(QStringLiteral("rollButton"))->click();
        rollRanToItsEnd
                = m_program.gameWindow()->diceDisplay().faceChanges() - changesBefore == 152;
    });
    QCOMPARE(status, 0);
    QCOMPARE(savedWhileRolling, "color1=clAqua\r\ncolor2=clBlue\r\nanimation=1\r\nname=Ann\r\n");
    QVERIFY(rollRanToItsEnd);
    QVERIFY(!m_program.gameWindow()->isVisible());
}

void TestStartup::failedSaveShowsTheErrorAndEnds()
{
    const MessageBoxAnswers answers({u"OK"_s});
    const int status = runLoop([&] {
        startGameAs(u"Ann"_s);
        m_program.gameWindow()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_program.gameWindow()));
        // A path through a regular file cannot be written, even by root.
        m_program.session().setSettingsPath(m_program.session().settingsPath()
                                            + u"/settings.cfg"_s);
        m_program.gameWindow()->close();
    });
    QCOMPARE(status, 0);
    QCOMPARE(answers.boxes().size(), 1);
    QCOMPARE(answers.boxes().constFirst().title, u"Tovik"_s);
    QCOMPARE(answers.boxes().constFirst().icon, QMessageBox::Critical);
    QCOMPARE(answers.boxes().constFirst().parent, m_program.gameWindow());
    QVERIFY(!m_program.gameWindow()->isVisible());
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
            m_program.gameControl<QAction>(QStringLiteral("animationAction"))->trigger();
        } else {
            m_program.session().setSettingsPath(m_program.filePath(u"settings.cfg"_s));
            m_program.welcomeWindow()->show();
        }
        before = fileContents(m_program.session().settingsPath());
        if (dialogOpen) {
            QTimer::singleShot(0, m_program.gameWindow(),
                               [this] { m_program.windows().closeAsTheCloseBoxDoes(); });
            m_program.gameControl<QAction>(QStringLiteral("colorsAction"))->trigger();
        } else {
            m_program.windows().closeAsTheCloseBoxDoes();
        }
    });
    QCOMPARE(status, 0);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(fileContents(m_program.session().settingsPath()),
             duringAGame ? "color1=clAqua\r\ncolor2=clBlue\r\nanimation=1\r\nname=Ann\r\n"
                         : before);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
