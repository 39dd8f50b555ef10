#include "app/mainwindows.h"

#include "app/firstpaint.h"
#include "app/runhistory.h"
#include "base/messageboxes.h"
#include "game/game.h"
#include "history/history.h"
#include "players/preferences.h"
#include "players/settingslocation.h"
#include "windows/coachwindow.h"
#include "windows/gamewindow.h"
#include "windows/reviewwindow.h"
#include "windows/statisticswindow.h"
#include "windows/welcomewindow.h"

#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

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
    QObject::connect(m_gameWindow.get(), &GameWindow::coachSwitched, m_gameWindow.get(),
                     [this](bool on) { switchCoach(on); });
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

// Made for one showing over the game window, as the Highest Score window is.
// "Review" loads the chosen game with its log from the history and reviews it over the window.
void MainWindows::showStatistics()
{
    StatisticsWindow statistics(m_session, history(), m_gameWindow.get());
    qint64 requested = 0;
    QObject::connect(&statistics, &StatisticsWindow::reviewRequested, &statistics,
                     [this, &requested](qint64 id) {
                         requested = id;
                         history().loadGame(id);
                     });
    QObject::connect(&history(), &History::gameLoaded, &statistics,
                     [this, &statistics, &requested](const GameRecord &game) {
                         if (game.id == std::exchange(requested, 0))
                             showReview(game.log, &statistics);
                     });
    statistics.exec();
}

void MainWindows::showReview(const QString &logText, QWidget *parent)
{
    const std::optional<GameLog> log = Game::readLog(logText);
    if (!log) {
        MessageBoxes::warn(parent, u"Game Review"_s,
                           u"This game's moves cannot be read, so it cannot be reviewed."_s);
        return;
    }
    ReviewWindow review(m_session, m_coach, *log, parent);
    review.exec();
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
