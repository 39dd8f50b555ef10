#pragma once

#include "game/gamestate.h"
#include "widgets/diefaceimages.h"
#include "windows/dicedisplay.h"

#include <QMainWindow>
#include <array>
#include <memory>

class Announcer;
class DieFace;
class GradientFill;
class PressButton;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class Session;
class TransparentImage;

// The game window: five dice, the roll and category buttons, the commentator's panel and the
// menu bar. Its game operations run one game from newGame to endGame on a GameState and keep
// every control in step with it. It shows the session's colours, animation switch and record,
// and changes them through the session.
class GameWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GameWindow(Session &session, QWidget *parent = nullptr);
    ~GameWindow() override;

    QMenuBar *mainMenu;
    QMenu *gameMenu;
    QAction *newGameAction;
    QAction *exitAction;
    QMenu *optionsMenu;
    QAction *animationAction;
    QMenu *helpMenu;
    QAction *aboutAction;
    DieFaceImages dieFaceImages;
    DieFace *die1;
    DieFace *die2;
    DieFace *die3;
    DieFace *die4;
    DieFace *die5;
    QPushButton *rollButton;
    QFrame *scorePanel;
    QLabel *commentLabel;
    QLabel *commentatorLabel;
    QAction *colorsAction;
    QAction *howToPlayAction;
    PressButton *onesButton;
    TransparentImage *heldMarker1;
    TransparentImage *heldMarker2;
    TransparentImage *heldMarker3;
    TransparentImage *heldMarker4;
    TransparentImage *heldMarker5;
    PressButton *twosButton;
    QPushButton *threesButton;
    QPushButton *foursButton;
    QPushButton *fivesButton;
    QPushButton *sixesButton;
    QPushButton *unselectButton;
    QPushButton *threeOfAKindButton;
    QPushButton *fourOfAKindButton;
    QPushButton *fullHouseButton;
    QLabel *scoreCaption;
    QLabel *rollsCaption;
    QLabel *subTotalCaption;
    QLabel *scoreLabel;
    QLabel *rollsLabel;
    QLabel *subTotalLabel;
    QPushButton *smallStraightButton;
    QPushButton *largeStraightButton;
    QPushButton *chanceButton;
    QPushButton *fiveOfAKindButton;
    QPushButton *newGameButton;
    QAction *differentPlayerAction;
    QAction *highestScoreAction;
    GradientFill *backgroundFill;

    const GameState &game() const { return m_game; }
    const DiceDisplay &diceDisplay() const { return *m_diceDisplay; }
    const Announcer &announcer() const { return *m_announcer; }
    QPushButton *categoryButton(Category category) const;

    bool diceShowFiveOfAKind() const;
    void newGame();
    void rollDice();
    void endGame();
    void markSelection(QPushButton *button);

    void requestRoll();
    void requestNewGame();
    void unselectCategory();
    void selectOnes();
    void selectTwos();
    void selectThrees();
    void selectFours();
    void selectFives();
    void selectSixes();
    void selectThreeOfAKind();
    void selectFourOfAKind();
    void selectFullHouse();
    void selectSmallStraight();
    void selectLargeStraight();
    void selectChance();
    void selectFiveOfAKind();
    void toggleHoldOfDie1();
    void toggleHoldOfDie2();
    void toggleHoldOfDie3();
    void toggleHoldOfDie4();
    void toggleHoldOfDie5();

    void startNewGame();
    void askForDifferentPlayer();
    void showHighestScore();
    void closeGame();
    void showColorScheme();
    void showHelp();
    void showAbout();

    // True while an animated roll runs and the window's game controls are locked.
    bool isRolling() const { return m_rolling; }

    // The window that the help and colour scheme windows open over, also while it is hidden;
    // without one they open at the centre of the desktop.
    void setMainWindow(const QWidget *mainWindow) { m_mainWindow = mainWindow; }

Q_SIGNALS:
    void rollingChanged(bool rolling);
    // "Different Player..." asks for the welcome window.
    void differentPlayerRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createCategoryButtons();
    void createMenus();
    void connectControls();
    void connectMenus();
    void followSession();
    void prepareFirstGame();
    void prepareToShow();
    void saveAndQuit();

    void selectCategory(Category category);
    void toggleHold(int die);
    void commitSelection();
    void rollFreeDice();
    void setRollLocked(bool locked);
    void setMessage(const QString &text);
    void showNumbers();
    void showRollCount();

    Session &m_session;
    const QWidget *m_mainWindow = nullptr;
    GameState m_game;
    std::unique_ptr<DiceDisplay> m_diceDisplay;
    std::array<QPushButton *, CategoryCount> m_categoryButtons {};
    QPushButton *selectedCategoryButton = nullptr;
    Announcer *m_announcer = nullptr;
    bool m_rolling = false;
};
