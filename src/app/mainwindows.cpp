#include "app/mainwindows.h"

#include "players/preferences.h"
#include "players/settingslocation.h"
#include "windows/coachwindow.h"
#include "windows/gamewindow.h"
#include "windows/welcomewindow.h"

MainWindows::MainWindows()
{
    m_session.setSettingsPath(settingsFileLocation());
    m_welcomeWindow = std::make_unique<WelcomeWindow>(m_session);
    m_gameWindow = std::make_unique<GameWindow>(m_session);
    m_welcomeWindow->followGameWindow(m_gameWindow.get());
    m_gameWindow->setMainWindow(m_welcomeWindow.get());
    QObject::connect(m_welcomeWindow.get(), &WelcomeWindow::playRequested, m_gameWindow.get(),
                     [this] { startGame(); });
    QObject::connect(m_gameWindow.get(), &GameWindow::differentPlayerRequested,
                     m_welcomeWindow.get(), [this] { showWelcomeWindow(); });
    QObject::connect(m_gameWindow.get(), &GameWindow::coachSwitched, m_gameWindow.get(),
                     [this](bool on) { switchCoach(on); });
}

// The game window goes first, as it was made last.
MainWindows::~MainWindows()
{
    m_gameWindow.reset();
    m_welcomeWindow.reset();
}

// The coach's switch is read once the settings file has been, when the game window first shows.
void MainWindows::startGame()
{
    m_gameWindow->show();
    if (!m_coachSwitchRead) {
        m_coachSwitchRead = true;
        if (readCoachSwitch(m_session.settingsPath())) {
            m_gameWindow->setCoachChecked(true);
            showCoachWindow(true);
        }
    }
    m_welcomeWindow->hide();
    m_gameWindow->newGame();
}

void MainWindows::switchCoach(bool on)
{
    showCoachWindow(on);
    writeCoachSwitch(m_session.settingsPath(), on);
}

void MainWindows::showCoachWindow(bool shown)
{
    if (!m_coachWindow) {
        if (!shown)
            return;
        m_coachWindow = new CoachWindow(m_session, m_coach, *m_gameWindow);
        QObject::connect(m_coachWindow, &CoachWindow::closed, m_gameWindow.get(), [this] {
            m_gameWindow->setCoachChecked(false);
            writeCoachSwitch(m_session.settingsPath(), false);
        });
    }
    m_coachWindow->setVisible(shown);
}

void MainWindows::showWelcomeWindow()
{
    if (!m_welcomeWindow->isVisible())
        m_welcomeWindow->show();
}

void MainWindows::closeAsTheCloseBoxDoes()
{
    if (m_gameWindow->isVisible())
        m_gameWindow->close();
    else
        m_welcomeWindow->close();
}

void MainWindows::showCurrentWindow()
{
    QWidget *window = m_welcomeWindow.get();
    if (!window->isVisible())
        window = m_gameWindow.get();
    if (!window->isVisible())
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}
