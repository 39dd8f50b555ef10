#include "windows/gamewindow.h"

#include "game/commentary.h"
#include "game/rollsummary.h"
#include "players/session.h"
#include "widgets/announcer.h"
#include "widgets/windowcontrols.h"
#include "windows/highscorewindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

// The turn cycle of the game window: a new game, the rolls, the choice and commit of a category
// and the end of the game.

void GameWindow::newGame()
{
    m_session.setGameStarted(true);
    m_game.reset();
    newGameButton->hide();
    rollButton->show();
    rollButton->setEnabled(true);
    unselectButton->setEnabled(false);
    showNumbers();
    m_diceDisplay->hideHeldMarkers();
    for (QPushButton *button : m_categoryButtons)
        button->show();
    for (QPushButton *button : m_categoryButtons)
        button->setEnabled(true);
    setMessage(Commentary::welcome(m_session.playerName()));
    m_game.remarkShown = true;
    rollDice();
}

void GameWindow::requestRoll()
{
    if (!canBePressed(rollButton))
        return;
    if (m_game.categorySelected)
        unselectButton->setEnabled(false);
    m_game.remarkShown = false;
    rollDice();
}

void GameWindow::requestNewGame()
{
    if (!canBePressed(newGameButton))
        return;
    newGameButton->hide();
    newGame();
}

// F2 is blocked with its menu during a roll, but the item itself stays enabled.
void GameWindow::startNewGame()
{
    if (!m_rolling)
        newGame();
}

void GameWindow::rollDice()
{
    if (m_game.categorySelected)
        commitSelection();

    ++m_game.rollCount;
    showRollCount();

    if (m_game.rollCount == MaxRollsPerTurn) {
        rollButton->setEnabled(false);
        if (!m_game.remarkShown) {
            setMessage(Commentary::outOfRolls());
            m_game.remarkShown = true;
        }
    }

    if (m_game.turnsScored >= TurnsPerGame) {
        endGame();
        return;
    }

    rollFreeDice();

    if (!m_game.remarkShown) {
        setMessage(Commentary::rollRemark());
        m_game.remarkShown = true;
    }
}

void GameWindow::commitSelection()
{
    selectedCategoryButton->hide();
    const Bonus bonus = m_game.commit();
    showNumbers();
    m_announcer->say(QStringLiteral("Score: %1.").arg(m_game.score));
    switch (bonus) {
    case Bonus::None:
        break;
    case Bonus::Combined:
        setMessage(Commentary::combinedBonus());
        break;
    case Bonus::ExtraFiveOfAKind:
        setMessage(Commentary::extraFiveOfAKindBonus());
        break;
    case Bonus::SubTotal:
        setMessage(Commentary::subTotalBonus(subTotalLabel->text()));
        break;
    }
    m_diceDisplay->hideHeldMarkers();
}

void GameWindow::rollFreeDice()
{
    if (!m_session.animation()) {
        m_diceDisplay->plainRoll(m_game);
    } else {
        setRollLocked(true);
        m_diceDisplay->animatedRoll(m_game, this);
        setRollLocked(false);
    }
    m_announcer->say(rollSummary(m_game.diceValues, m_game.heldDice));
}

void GameWindow::setRollLocked(bool locked)
{
    newGameButton->setEnabled(!locked);
    rollButton->setEnabled(!locked && m_game.rollCount != MaxRollsPerTurn);
    for (QPushButton *button : m_categoryButtons)
        button->setEnabled(!locked);
    for (QMenu *menu : {gameMenu, optionsMenu, helpMenu})
        menu->menuAction()->setEnabled(!locked);
    m_game.diceLocked = locked;
    m_rolling = locked;
    m_announcer->setPaused(locked);
    Q_EMIT rollingChanged(locked);
}

void GameWindow::endGame()
{
    setMessage(Commentary::gameOver());
    newGameButton->show();
    rollButton->hide();
    const qint32 score = scoreLabel->text().toInt();
    if (score > m_session.recordScore()) {
        HighScoreWindow highScoreWindow(m_session, this);
        highScoreWindow.enterRecordMode(score);
        highScoreWindow.exec();
    }
    m_game.diceLocked = true;
}

void GameWindow::markSelection(QPushButton *button)
{
    if (m_game.categorySelected) {
        setMessage(Commentary::refusal());
        return;
    }
    m_game.categorySelected = true;
    button->setEnabled(false);
    rollButton->setEnabled(true);
    unselectButton->setEnabled(true);
    setMessage(Commentary::selection(m_game.pendingPoints));
    selectedCategoryButton = button;
}

void GameWindow::selectCategory(Category category)
{
    if (!canBePressed(categoryButton(category)))
        return;
    m_game.evaluate(category);
    markSelection(categoryButton(category));
}

void GameWindow::unselectCategory()
{
    if (!canBePressed(unselectButton) || !m_game.categorySelected)
        return;
    m_game.categorySelected = false;
    selectedCategoryButton->setEnabled(true);
    unselectButton->setEnabled(false);
    m_game.pendingPoints = m_game.pendingSubTotalPoints = 0;
    if (m_game.rollCount == MaxRollsPerTurn)
        rollButton->setEnabled(false);
    setMessage(Commentary::unselect());
}

void GameWindow::toggleHold(int die)
{
    if (m_game.diceLocked || newGameButton->isVisible())
        return;
    m_game.toggleHold(die);
    m_diceDisplay->setHeldMarkerVisible(die, m_game.isHeld(die));
}

// clang-format off
void GameWindow::selectOnes() { selectCategory(Category::Ones); }
void GameWindow::selectTwos() { selectCategory(Category::Twos); }
void GameWindow::selectThrees() { selectCategory(Category::Threes); }
void GameWindow::selectFours() { selectCategory(Category::Fours); }
void GameWindow::selectFives() { selectCategory(Category::Fives); }
void GameWindow::selectSixes() { selectCategory(Category::Sixes); }
void GameWindow::selectThreeOfAKind() { selectCategory(Category::ThreeOfAKind); }
void GameWindow::selectFourOfAKind() { selectCategory(Category::FourOfAKind); }
void GameWindow::selectFullHouse() { selectCategory(Category::FullHouse); }
void GameWindow::selectSmallStraight() { selectCategory(Category::SmallStraight); }
void GameWindow::selectLargeStraight() { selectCategory(Category::LargeStraight); }
void GameWindow::selectChance() { selectCategory(Category::Chance); }
void GameWindow::selectFiveOfAKind() { selectCategory(Category::FiveOfAKind); }
void GameWindow::toggleHoldOfDie1() { toggleHold(0); }
void GameWindow::toggleHoldOfDie2() { toggleHold(1); }
void GameWindow::toggleHoldOfDie3() { toggleHold(2); }
void GameWindow::toggleHoldOfDie4() { toggleHold(3); }
void GameWindow::toggleHoldOfDie5() { toggleHold(4); }
// clang-format on
