#pragma once

#include "game/commentator.h"
#include "game/game.h"
#include "widgets/diefaceimages.h"
#include "windows/dicedisplay.h"

#include <QMainWindow>
#include <array>
#include <memory>

class Announcer;
class DieFace;
class GradientFill;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class Session;

// The game window: five dice, the roll and category buttons, the commentator's panel and the
// menu bar. It shows one Game and passes the player's moves to it; the rules and the state are
// the game's. It shows the session's colours, animation switch and record, and changes them
// through the session. Its controls are private; each has an object name.
class GameWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GameWindow(Session &session, QWidget *parent = nullptr);
    ~GameWindow() override;

    const Game &game() const { return m_game; }
    const DiceDisplay &diceDisplay() const { return *m_diceDisplay; }

    // Starts a new game at once; a game under way is dropped.
    void newGame();
    // The player's moves on a category button and a die, each only while its control can act.
    void selectCategory(Category category);
    void toggleHold(int die);

    // True while a roll runs; an animated one keeps the window's game controls locked.
    bool isRolling() const { return m_game.isRolling(); }

    // The window that the help and colour scheme windows open over, also while it is hidden;
    // without one they open at the centre of the desktop.
    void setMainWindow(const QWidget *mainWindow) { m_mainWindow = mainWindow; }

    // The check of "Coach", for a Coach window that the player closed or that opens at start.
    void setCoachChecked(bool on);
    // Adds a text to what a screen reader hears of the moment, after the window's own.
    void announce(const QString &text);

Q_SIGNALS:
    void rollingChanged(bool rolling);
    // The faces show a roll's dice and the window takes moves again.
    void diceSettled(const Dice &dice);
    // "Different Player..." asks for the welcome window.
    void differentPlayerRequested();
    // "Statistics..." asks for the Statistics window, which shows the history that the window
    // does not hold.
    void statisticsRequested();
    // The player checked or cleared "Coach".
    void coachSwitched(bool on);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createDice(QWidget *client);
    void createScorePanel(QWidget *client);
    void createCategoryButtons(QWidget *client);
    void setTabOrders();
    void createMenus();
    QAction *addMenuItem(QMenu *menu, const QString &text, const char *name,
                         void (GameWindow::*handler)());
    void connectControls();
    void connectGame();
    void followSession();
    void prepareFirstGame();
    void prepareToShow();
    void saveAndQuit();

    void requestRoll();
    void requestNewGame();
    void unselectCategory();
    void askForDifferentPlayer();
    void showHighestScore();
    void askForStatistics();
    void closeGame();
    void showColorScheme();
    void showHelp();
    void showAbout();

    void showNewGame();
    void showRollCount(int rollCount);
    void showRollCounted(int rollCount);
    Dice rollDice(const Dice &dice, const HeldDice &held);
    void showRoll(const Dice &dice);
    void showHold(int die, bool held);
    void showSelection(Category category, qint32 points);
    void showUnselection(Category category);
    void showCommit(Category category, qint32 points, Bonus bonus);
    void showGameOver(qint32 score);
    void setRollLocked(bool locked);
    void setMessage(const QString &text);
    void showNumbers();
    void parkFocus(QWidget *control);
    void returnFocusToRoll();

    Session &m_session;
    const QWidget *m_mainWindow = nullptr;
    Game m_game;
    Commentator m_commentator;
    DieFaceImages m_dieFaceImages;
    std::unique_ptr<DiceDisplay> m_diceDisplay;

    GradientFill *m_backgroundFill = nullptr;
    std::array<DieFace *, DieCount> m_dice {};
    Announcer *m_announcer = nullptr;
    QLabel *m_commentLabel = nullptr;
    QLabel *m_scoreLabel = nullptr;
    QLabel *m_subTotalLabel = nullptr;
    QLabel *m_rollsLabel = nullptr;
    QPushButton *m_rollButton = nullptr;
    QPushButton *m_newGameButton = nullptr;
    QPushButton *m_unselectButton = nullptr;
    std::array<QPushButton *, CategoryCount> m_categoryButtons {};

    QMenu *m_gameMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_highestScoreAction = nullptr;
    QAction *m_animationAction = nullptr;
    QAction *m_coachAction = nullptr;
};
