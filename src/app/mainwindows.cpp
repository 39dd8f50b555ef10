#include "app/mainwindows.h"

#include "app/firstpaint.h"
#include "app/runhistory.h"
#include "players/settingslocation.h"
#include "windows/gamewindow.h"
#include "windows/statisticswindow.h"
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
    m_history = std::make_unique<RunHistory>(m_session, *m_gameWindow, m_coach);
    QObject::connect(m_gameWindow.get(), &GameWindow::statisticsRequested, m_gameWindow.get(),
                     [this] { showStatistics(); });
    // Nothing of the history may slow the start.
    afterFirstPaint(m_welcomeWindow.get(), [this] { m_history->openAtStart(); });
}

// The history goes first, writing the game under way, then the game window, as it was made last.
MainWindows::~MainWindows()
{
    m_history.reset();
    m_gameWindow.reset();
    m_welcomeWindow.reset();
}

History &MainWindows::history()
{
    return m_history->history();
}

void MainWindows::startGame()
{
    m_gameWindow->show();
    m_welcomeWindow->hide();
    m_gameWindow->newGame();
}

void MainWindows::showWelcomeWindow()
{
    if (!m_welcomeWindow->isVisible())
        m_welcomeWindow->show();
}

// Made for one showing over the game window, as the Highest Score window is.
void MainWindows::showStatistics()
{
    StatisticsWindow statistics(m_session, history(), m_gameWindow.get());
    statistics.exec();
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
