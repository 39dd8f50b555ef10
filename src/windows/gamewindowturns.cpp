#include "windows/gamewindow.h"

#include "game/commentary.h"
#include "game/rollsummary.h"
#include "players/session.h"
#include "widgets/announcer.h"
#include "widgets/windowcontrols.h"
#include "windows/highscorewindow.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

// The turn cycle as the game window shows it: the player's moves go to the game, and the game's
// events come back as buttons, numbers, faces and the commentator's texts.

void GameWindow::connectGame()
{
    m_game.setDiceSource(
            [this](const Dice &dice, const HeldDice &held) { return rollDice(dice, held); });
    connect(&m_game, &Game::started, this, &GameWindow::showNewGame);
    connect(&m_game, &Game::rollCounted, this, &GameWindow::showRollCounted);
    connect(&m_game, &Game::rolled, this, &GameWindow::showRoll);
    connect(&m_game, &Game::holdToggled, this, &GameWindow::showHold);
    connect(&m_game, &Game::selected, this, &GameWindow::showSelection);
    connect(&m_game, &Game::selectionRefused, this, [this] { setMessage(Commentary::refusal()); });
    connect(&m_game, &Game::unselected, this, &GameWindow::showUnselection);
    connect(&m_game, &Game::committed, this, &GameWindow::showCommit);
    connect(&m_game, &Game::ended, this, &GameWindow::showGameOver);
}

void GameWindow::newGame()
{
    m_game.newGame();
}

void GameWindow::requestNewGame()
{
    if (canBePressed(m_newGameButton))
        newGame();
}

void GameWindow::requestRoll()
{
    if (!canBePressed(m_rollButton))
        return;
    if (m_game.position().selection) {
        parkFocus(m_unselectButton);
        m_unselectButton->setEnabled(false);
    }
    m_game.roll();
}

void GameWindow::selectCategory(Category category)
{
    if (canBePressed(m_categoryButtons[std::size_t(category)]))
        m_game.select(category);
}

void GameWindow::unselectCategory()
{
    if (canBePressed(m_unselectButton))
        m_game.unselect();
}

void GameWindow::toggleHold(int die)
{
    m_game.toggleHold(die);
}

void GameWindow::showNewGame()
{
    m_session.setGameStarted(true);
    parkFocus(m_newGameButton);
    m_newGameButton->hide();
    m_rollButton->show();
    m_rollButton->setEnabled(true);
    m_unselectButton->setEnabled(false);
    showNumbers();
    m_diceDisplay->hideHeldMarkers();
    for (QPushButton *button : m_categoryButtons)
        button->show();
    for (QPushButton *button : m_categoryButtons)
        button->setEnabled(true);
    setMessage(m_commentator.gameStarted(m_session.playerName()));
}

// The third roll of a turn is announced before the dice move.
void GameWindow::showRollCounted(int rollCount)
{
    showRollCount(rollCount);
    if (rollCount == MaxRollsPerTurn) {
        parkFocus(m_rollButton);
        m_rollButton->setEnabled(false);
    }
    if (const std::optional<QString> message = m_commentator.rollCounted(rollCount))
        setMessage(*message);
}

// The game's dice source: the faces show a plain roll at once, or tumble while the window's game
// controls are locked.
Dice GameWindow::rollDice(const Dice &dice, const HeldDice &held)
{
    if (!m_session.animation()) {
        const Dice rolled = plainRoll(dice, held);
        m_diceDisplay->showDice(rolled);
        return rolled;
    }
    setRollLocked(true);
    const Dice rolled = m_diceDisplay->animatedRoll(dice, held, this);
    setRollLocked(false);
    return rolled;
}

void GameWindow::setRollLocked(bool locked)
{
    if (locked) {
        QWidget *focused = focusWidget();
        if (focused == m_rollButton || focused == m_newGameButton
            || std::find(m_categoryButtons.begin(), m_categoryButtons.end(), focused)
                    != m_categoryButtons.end())
            parkFocus(focused);
    }
    m_newGameButton->setEnabled(!locked);
    m_rollButton->setEnabled(!locked && m_game.rollCount() != MaxRollsPerTurn);
    for (QPushButton *button : m_categoryButtons)
        button->setEnabled(!locked);
    for (QMenu *menu : {m_gameMenu, m_optionsMenu, m_helpMenu})
        menu->menuAction()->setEnabled(!locked);
    m_announcer->setPaused(locked);
    Q_EMIT rollingChanged(locked);
}

void GameWindow::showRoll(const Dice &dice)
{
    m_announcer->say(rollSummary(dice, m_game.position().held));
    if (const std::optional<QString> remark = m_commentator.rolled())
        setMessage(*remark);
    returnFocusToRoll();
    Q_EMIT diceSettled(dice);
}

void GameWindow::showHold(int die, bool held)
{
    m_diceDisplay->setHeldMarkerVisible(die, held);
}

void GameWindow::showSelection(Category category, qint32 points)
{
    m_categoryButtons[std::size_t(category)]->setEnabled(false);
    m_rollButton->setEnabled(true);
    m_unselectButton->setEnabled(true);
    setMessage(Commentary::selection(points));
}

void GameWindow::showUnselection(Category category)
{
    m_categoryButtons[std::size_t(category)]->setEnabled(true);
    parkFocus(m_unselectButton);
    m_unselectButton->setEnabled(false);
    if (m_game.rollCount() == MaxRollsPerTurn) {
        parkFocus(m_rollButton);
        m_rollButton->setEnabled(false);
    }
    setMessage(Commentary::unselect());
}

void GameWindow::showCommit(Category category, qint32, Bonus bonus)
{
    m_categoryButtons[std::size_t(category)]->hide();
    showNumbers();
    m_announcer->say(QStringLiteral("Score: %1.").arg(m_game.position().score));
    if (const std::optional<QString> message
        = m_commentator.committed(bonus, m_game.position().upperSubTotal))
        setMessage(*message);
    m_diceDisplay->hideHeldMarkers();
}

void GameWindow::showGameOver(qint32 score)
{
    setMessage(m_commentator.gameOver());
    m_newGameButton->show();
    parkFocus(m_rollButton);
    m_rollButton->hide();
    if (score > m_session.recordScore()) {
        HighScoreWindow highScoreWindow(m_session, this);
        highScoreWindow.enterRecordMode(score);
        highScoreWindow.exec();
    }
}

// Qt hands the focus of a control that is disabled or hidden on to the next one in the tab
// order, where the next Space would hold a die or score a category unasked. The game's buttons
// hand it to the commentator's message instead, which takes no focus of its own and stands just
// before ROLL in the focus chain: Space does nothing there, a screen reader reads the message,
// and Tab goes on from ROLL's place. Once the dice settle, ROLL takes the focus back if it can be
// pressed, as after an animated roll or in place of New Game.
void GameWindow::parkFocus(QWidget *control)
{
    if (focusWidget() == control)
        m_commentLabel->setFocus();
}

void GameWindow::returnFocusToRoll()
{
    if (focusWidget() == m_commentLabel && canBePressed(m_rollButton))
        m_rollButton->setFocus();
}
