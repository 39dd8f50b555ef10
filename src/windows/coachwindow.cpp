#include "windows/coachwindow.h"

#include "coach/choicetext.h"
#include "coach/coach.h"
#include "coach/gamereview.h"
#include "players/session.h"
#include "widgets/fonts.h"
#include "widgets/gradientfill.h"
#include "widgets/windowcontrols.h"
#include "windows/gamereviewview.h"
#include "windows/gamewindow.h"
#include "windows/panellines.h"
#include "windows/solveprogress.h"
#include "windows/windowplacement.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QShortcut>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr QSize ClientSize(400, 460);
constexpr int FillColorCount = 128;
constexpr int Margin = 8;
constexpr int WindowFontSize = 13;

bool allTurnsScored(const Game &game)
{
    return game.position().turnsScored >= TurnsPerGame;
}

} // namespace

CoachWindow::CoachWindow(const Session &session, Coach &coach, GameWindow &gameWindow)
    : QWidget(&gameWindow, Qt::Window), m_session(session), m_coach(coach),
      m_gameWindow(gameWindow), m_game(gameWindow.game())
{
    setWindowTitle(QStringLiteral("Coach"));
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setWindowFont(this, WindowFontSize);
    // The player goes on playing in the game window; the coach only shows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    createControls();
    followGame();
}

void CoachWindow::createControls()
{
    m_backgroundFill = named(newBackgroundFill(this, QRect(QPoint(), ClientSize), FillColorCount),
                             u"backgroundFill");
    QFrame *advicePanel = newLinesPanel(this, u"advicePanel");
    m_solveProgress = named(new SolveProgress(m_coach, advicePanel), u"solveProgress");
    advicePanel->layout()->addWidget(m_solveProgress);
    m_statusLine = addPanelLine(advicePanel, u"statusLine");
    m_expectedLine = addPanelLine(advicePanel, u"expectedLine", Colors::Lime);
    m_bestLine = addPanelLine(advicePanel, u"bestLine");
    m_lastChoiceLine = addPanelLine(advicePanel, u"lastChoiceLine");
    m_gameCostLine = addPanelLine(advicePanel, u"gameCostLine");

    m_choiceList = named(new QListWidget(this), u"choiceList");
    m_choiceList->setAccessibleName(QStringLiteral("Choices"));
    m_reviewView = named(new GameReviewView(this), u"reviewView");
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_choiceList);
    m_pages->addWidget(m_reviewView);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(Margin);
    layout->addWidget(advicePanel);
    layout->addWidget(m_pages, 1);

    // F4 switches the coach off here as it does in the game window.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_F4}) {
        auto *closeKey = new QShortcut(QKeySequence(key), this);
        connect(closeKey, &QShortcut::activated, this, &QWidget::close);
    }
}

// The window shows what it is asked about only while it is open; showing it catches up.
void CoachWindow::followGame()
{
    connect(&m_game, &Game::started, this, &CoachWindow::clear);
    connect(&m_gameWindow, &GameWindow::diceSettled, this, &CoachWindow::showSettledRoll);
    // The last commit ends the game without a roll; the review shows at once, before the window
    // that the game window may open at the end.
    connect(&m_game, &Game::committed, this, [this] {
        if (isVisible() && allTurnsScored(m_game))
            showGame();
    });
    connect(&m_coach, &Coach::ready, this, [this] {
        if (isVisible())
            showGame();
    });
    connect(&m_session, &Session::colorsChanged, m_backgroundFill, &GradientFill::setColors);
}

void CoachWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        prepareToShow();
}

void CoachWindow::prepareToShow()
{
    m_backgroundFill->setColors(m_session.startColor(), m_session.endColor());
    placeBeside(this, &m_gameWindow);
    m_coach.startSolving();
    m_solveProgress->follow();
    showGame();
}

void CoachWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

void CoachWindow::showSettledRoll()
{
    if (!isVisible())
        return;
    showGame();
    if (!m_bestChoice.isEmpty())
        m_gameWindow.announce(QStringLiteral("Coach: %1.").arg(m_bestChoice));
}

// Everything is worked out again from the game's position and log, so that the window cannot
// drift from the game whenever it was opened. A roll in progress is shown once its dice settle.
void CoachWindow::showGame()
{
    if (m_game.isRolling())
        return;
    const std::shared_ptr<const ValueTable> table = m_coach.table();
    if (!table || m_game.log().actions().isEmpty()) {
        clear();
        return;
    }
    const Position &position = m_game.position();
    const GameReview review = reviewGame(*table, m_game.log());
    const ReviewedChoice *last = review.lastChoice();
    setPanelLine(m_lastChoiceLine,
                 last ? QStringLiteral("Last choice: %1, cost %2")
                                 .arg(choiceText(last->made), pointsText(last->cost()))
                      : QString());
    setPanelLine(m_gameCostLine,
                 QStringLiteral("Cost this game: %1").arg(pointsText(review.totalCost())));
    if (allTurnsScored(m_game)) {
        clearAdvice();
        m_reviewView->showReview(review, position.score, m_coach.pointsToCome(TurnState {}));
        m_pages->setCurrentWidget(m_reviewView);
        return;
    }
    showAdvice(m_coach.advise(turnStateOf(position), position.dice, position.rollsLeft));
}

void CoachWindow::showAdvice(const Advice &advice)
{
    clearAdvice();
    if (!advice.canAdvise) {
        setPanelLine(m_statusLine, QStringLiteral("The coach cannot advise here."));
        return;
    }
    const qint32 score = m_game.position().score;
    const Choice &best = advice.choices.front();
    m_bestChoice = choiceText(best);
    setPanelLine(m_expectedLine,
                 QStringLiteral("Expected final score: %1")
                         .arg(pointsText(expectedFinalScore(score, best))));
    setPanelLine(m_bestLine, QStringLiteral("Best: %1").arg(m_bestChoice));
    for (const Choice &choice : advice.choices) {
        m_choiceList->addItem(QStringLiteral("%1: %2").arg(
                choiceText(choice), pointsText(expectedFinalScore(score, choice))));
    }
}

void CoachWindow::clearAdvice()
{
    m_bestChoice.clear();
    setPanelLine(m_statusLine, QString());
    setPanelLine(m_expectedLine, QString());
    setPanelLine(m_bestLine, QString());
    m_choiceList->clear();
    m_pages->setCurrentWidget(m_choiceList);
}

void CoachWindow::clear()
{
    clearAdvice();
    setPanelLine(m_lastChoiceLine, QString());
    setPanelLine(m_gameCostLine, QString());
}
