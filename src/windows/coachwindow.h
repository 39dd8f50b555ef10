#pragma once

#include <QWidget>

class Coach;
class Game;
class GameReviewView;
class GameWindow;
class GradientFill;
class QLabel;
class QListWidget;
class QStackedWidget;
class Session;
class SolveProgress;
struct Advice;

// The coach beside the game window. Once the dice of a roll settle, it shows the expected final
// score, the best choice and every choice with its expected final score, and tells a screen
// reader the best choice after the roll; after each final choice, that choice's cost and the
// game's; at the end, the review of the whole game. It only reads the game. Its first showing
// sets the coach solving; until the solve is ready it shows the solve's progress. A child of the
// game window, so that the desktop keeps it with that window, in the session's colours.
class CoachWindow : public QWidget
{
    Q_OBJECT

public:
    CoachWindow(const Session &session, Coach &coach, GameWindow &gameWindow);

Q_SIGNALS:
    // The player closed the window.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void followGame();
    void prepareToShow();
    void showSettledRoll();
    void showGame();
    void showAdvice(const Advice &advice);
    void clearAdvice();
    void clear();

    const Session &m_session;
    Coach &m_coach;
    GameWindow &m_gameWindow;
    const Game &m_game;
    // The best choice on the dice showing, as the window shows it; empty when there is none.
    QString m_bestChoice;

    GradientFill *m_backgroundFill = nullptr;
    SolveProgress *m_solveProgress = nullptr;
    QLabel *m_statusLine = nullptr;
    QLabel *m_expectedLine = nullptr;
    QLabel *m_bestLine = nullptr;
    QLabel *m_lastChoiceLine = nullptr;
    QLabel *m_gameCostLine = nullptr;
    QStackedWidget *m_pages = nullptr;
    QListWidget *m_choiceList = nullptr;
    GameReviewView *m_reviewView = nullptr;
};
