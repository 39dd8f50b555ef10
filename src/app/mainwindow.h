#pragma once

#include "game/dicedisplay.h"
#include "game/gamestate.h"
#include "widgets/kitbitmaplist.h"

#include <QMainWindow>
#include <array>
#include <memory>

class Announcer;
class DieFace;
class PressButton;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class TKitFill;
class TransparentImage;

// The game window: five dice, the roll and category buttons, the commentator's panel and the
// menu bar. Its game operations run one game from NewGame to GameOver on a GameState and keep
// every control in step with it.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    QMenuBar *MainMenu1;
    QMenu *Game1;
    QAction *New1;
    QAction *Exit1;
    QMenu *Options1;
    QAction *Animation1;
    QMenu *Help1;
    QAction *About1;
    TKitBitmapList KitBitmapList1;
    DieFace *Image1;
    DieFace *Image2;
    DieFace *Image3;
    DieFace *Image4;
    DieFace *Image5;
    QPushButton *RollButton;
    QFrame *Panel1;
    QLabel *CPUMessage;
    QLabel *CPU;
    QAction *Preferences1;
    QAction *HowtoPlay1;
    PressButton *OnesButton;
    TransparentImage *Held1;
    TransparentImage *Held2;
    TransparentImage *Held3;
    TransparentImage *Held4;
    TransparentImage *Held5;
    PressButton *TwosButton;
    QPushButton *ThreesButton;
    QPushButton *FoursButton;
    QPushButton *FivesButton;
    QPushButton *SixesButton;
    QPushButton *UnSelectButton;
    QPushButton *ThreeOfKindButton;
    QPushButton *FourOfKindButton;
    QPushButton *FullHouseButton;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *ScoreLabel;
    QLabel *RollsLabel;
    QLabel *SubTotalLabel;
    QPushButton *SmStraightButton;
    QPushButton *LgStraightButton;
    QPushButton *ChanceButton;
    QPushButton *QuintoxButton;
    QPushButton *NewGameButton;
    QAction *Playfordifferentplayer1;
    QAction *HighestScore1;
    TKitFill *KitFill1;

    const GameState &game() const { return m_game; }
    const DiceDisplay &diceDisplay() const { return *m_diceDisplay; }
    const Announcer &announcer() const { return *m_announcer; }
    QPushButton *categoryButton(Category category) const;

    bool Quintox() const;
    void NewGame();
    void RollDice();
    void GameOver();
    void ScrSelect(QPushButton *button);

    void RollButton1Click();
    void NewGameButtonClick();
    void UnSelectButtonClick();
    void OnesButtonMouseDown();
    void TwosButtonMouseDown();
    void ThreesButtonClick();
    void FoursButtonClick();
    void FivesButtonClick();
    void SixesButtonClick();
    void ThreeOfKindButtonClick();
    void FourOfKindButtonClick();
    void FullHouseButtonClick();
    void SmStraightButtonClick();
    void LgStraightButtonClick();
    void ChanceButtonClick();
    void QuintoxButtonClick();
    void Image1MouseDown();
    void Image2MouseDown();
    void Image3MouseDown();
    void Image4MouseDown();
    void Image5MouseDown();

    void New1Click();
    void Playfordifferentplayer1Click();
    void HighestScore1Click();
    void Exit1Click();
    void Preferences1Click();
    void HowtoPlay1Click();
    void About1Click();

    // True while an animated roll runs and the window's game controls are locked.
    bool isRolling() const { return m_rolling; }

Q_SIGNALS:
    void rollingChanged(bool rolling);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createCategoryButtons();
    void createMenus();
    void connectControls();
    void FormCreate();
    void FormShow();
    bool FormClose();

    void selectCategory(Category category);
    void toggleHold(int die);
    void commitSelection();
    void rollFreeDice();
    void setRollLocked(bool locked);
    void setMessage(const QString &text);
    void showNumbers();

    GameState m_game;
    std::unique_ptr<DiceDisplay> m_diceDisplay;
    std::array<QPushButton *, CategoryCount> m_categoryButtons{};
    QPushButton *SelectedItemButton = nullptr;
    Announcer *m_announcer = nullptr;
    bool m_rolling = false;
};

// The game window, created at start-up and alive for the whole run.
extern TForm1 *Form1;
