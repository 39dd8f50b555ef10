#include "app/mainwindows.h"
#include "app/startup.h"
#include "coach/coach.h"
#include "players/session.h"
#include "windows/coachwindow.h"
#include "windows/gamewindow.h"
#include "windows/rollpacing.h"
#include "windows/welcomewindow.h"
#include "windowtesting.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The coach's switch across runs of the program: two runs in turn on one settings folder.
class TestCoachSwitch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startsOffWithNothingSolved();
    void switchIsRememberedBesideTheSettings();
    void closingTheWindowClearsTheSwitch();

private:
    void run();
    QAction *coachAction() const
    {
        return control<QAction>(&m_windows->gameWindow(), u"coachAction"_s);
    }
    CoachWindow *coachWindow() const { return m_windows->gameWindow().findChild<CoachWindow *>(); }
    QByteArray settingsBytes() const
    {
        QFile file(m_folder->filePath(u"settings.cfg"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<MainWindows> m_windows;
};

void TestCoachSwitch::initTestCase()
{
    setUpApplication();
    RollPacing::setEnabled(false);
}

void TestCoachSwitch::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    run();
}

void TestCoachSwitch::cleanup()
{
    m_windows.reset();
    m_folder.reset();
}

// A new run of the program that plays at once.
void TestCoachSwitch::run()
{
    m_windows = std::make_unique<MainWindows>();
    m_windows->session().setSettingsPath(m_folder->filePath(u"settings.cfg"_s));
    WelcomeWindow &welcome = m_windows->welcomeWindow();
    welcome.show();
    control<QLineEdit>(&welcome, u"nameEdit"_s)->setText(u"Ann"_s);
    control<QPushButton>(&welcome, u"playButton"_s)->click();
    QVERIFY(m_windows->gameWindow().isVisible());
}

void TestCoachSwitch::startsOffWithNothingSolved()
{
    QVERIFY(!coachAction()->isChecked());
    QVERIFY(!coachWindow());
    QVERIFY(!m_windows->coach().isSolving() && !m_windows->coach().isReady());
    QVERIFY(!QFile::exists(m_folder->filePath(u"preferences.ini"_s)));
}

void TestCoachSwitch::switchIsRememberedBesideTheSettings()
{
    const QByteArray settings = settingsBytes();
    QVERIFY(!settings.isEmpty());
    coachAction()->trigger();
    QVERIFY(coachWindow() && coachWindow()->isVisible());
    QVERIFY(m_windows->coach().isSolving() || m_windows->coach().isReady());
    QCOMPARE(coachWindow()->windowHandle()->transientParent(),
             m_windows->gameWindow().windowHandle());

    m_windows.reset();
    QCOMPARE(settingsBytes(), settings);
    run();
    QVERIFY(coachAction()->isChecked());
    QVERIFY(coachWindow() && coachWindow()->isVisible());

    coachAction()->trigger();
    QVERIFY(!coachWindow()->isVisible());
    m_windows.reset();
    run();
    QVERIFY(!coachAction()->isChecked());
    QVERIFY(!coachWindow());
    QCOMPARE(settingsBytes(), settings);
}

void TestCoachSwitch::closingTheWindowClearsTheSwitch()
{
    coachAction()->trigger();
    QVERIFY(coachAction()->isChecked());
    coachWindow()->close();
    QVERIFY(!coachAction()->isChecked());
    m_windows.reset();
    run();
    QVERIFY(!coachWindow());
}

QTEST_MAIN(TestCoachSwitch)
#include "tst_coachswitch.moc"
