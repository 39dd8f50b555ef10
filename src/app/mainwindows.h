#pragma once

#include "coach/coach.h"
#include "players/session.h"

#include <memory>

class CoachWindow;
class GameWindow;
class History;
class QString;
class QWidget;
class RunHistory;
class WelcomeWindow;

// The session and the two windows that live for the whole run: the welcome window first, then
// the game window, hidden. It wires the requests that pass from one window to the other:
// "Play!" shows the game window and starts a game, "Different Player..." shows the welcome
// window again, and the game window's dialogs open over the welcome window. The run's game
// history keeps the games of the game window and is shown by "Statistics...". The Coach window
// stays beside the game window while the player's switch is on, made when first shown.
class MainWindows
{
public:
    MainWindows();
    ~MainWindows();

    Session &session() { return m_session; }
    // The one coach of the run, which solves the game only when first asked to.
    Coach &coach() { return m_coach; }
    // The run's game history, opened by the first call when the start has not opened it yet.
    History &history();
    WelcomeWindow &welcomeWindow() { return *m_welcomeWindow; }
    GameWindow &gameWindow() { return *m_gameWindow; }

    // Ends the program as the close boxes do, for a session that ends or a termination signal:
    // the game window's once it is shown, which saves the settings, or else the welcome
    // window's. A modal window open meanwhile ends with the message loops that the ending stops.
    void closeAsTheCloseBoxDoes();

    // Brings the window the player is using to the front: the welcome window while it shows,
    // else the game window.
    void showCurrentWindow();

private:
    void startGame();
    void showWelcomeWindow();
    void showStatistics();
    void showReview(const QString &logText, QWidget *parent);
    void switchCoach(bool on);
    void showCoachWindow(bool shown);

    Session m_session;
    Coach m_coach;
    std::unique_ptr<WelcomeWindow> m_welcomeWindow;
    std::unique_ptr<GameWindow> m_gameWindow;
    std::unique_ptr<RunHistory> m_history;
    // A child of the game window, which destroys it.
    CoachWindow *m_coachWindow = nullptr;
    bool m_coachSwitchRead = false;
};
