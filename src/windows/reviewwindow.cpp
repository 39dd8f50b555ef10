#include "windows/reviewwindow.h"

#include "coach/coach.h"
#include "coach/gamereview.h"
#include "game/game.h"
#include "players/session.h"
#include "widgets/fonts.h"
#include "widgets/gradientfill.h"
#include "widgets/windowcontrols.h"
#include "windows/gamereviewview.h"
#include "windows/solveprogress.h"
#include "windows/windowplacement.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr QSize ClientSize(480, 520);
constexpr int FillColorCount = 128;
constexpr int Margin = 8;
constexpr int WindowFontSize = 13;
constexpr int ButtonFontSize = 11;
constexpr QSize ButtonSize(75, 25);

} // namespace

ReviewWindow::ReviewWindow(const Session &session, Coach &coach, const GameLog &log,
                           QWidget *parent)
    : QDialog(parent), m_session(session), m_coach(coach), m_log(log)
{
    setWindowTitle(QStringLiteral("Game Review"));
    setModal(true);
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setWindowFont(this, WindowFontSize);
    createControls();
    connect(&m_coach, &Coach::ready, this, &ReviewWindow::showReview);
}

void ReviewWindow::createControls()
{
    m_backgroundFill = named(newBackgroundFill(this, QRect(QPoint(), ClientSize), FillColorCount),
                             u"backgroundFill");
    m_solveProgress = named(new SolveProgress(m_coach, this), u"solveProgress");
    m_reviewView = named(new GameReviewView(this), u"reviewView");
    m_okButton = named(newButton(QStringLiteral("&OK"), this, {}, tahomaFont(ButtonFontSize)),
                       u"okButton");
    m_okButton->setFixedSize(ButtonSize);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_okButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(Margin);
    layout->addWidget(m_solveProgress);
    layout->addWidget(m_reviewView, 1);
    layout->addLayout(buttonRow);

    connect(m_okButton, &QPushButton::clicked, this, &QDialog::close);
}

void ReviewWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        prepareToShow();
}

void ReviewWindow::prepareToShow()
{
    m_backgroundFill->setColors(m_session.startColor(), m_session.endColor());
    centerOverMainWindow(this, parentWidget());
    m_coach.startSolving();
    m_solveProgress->follow();
    showReview();
}

void ReviewWindow::showReview()
{
    const std::shared_ptr<const ValueTable> table = m_coach.table();
    if (!table)
        return;
    Game game;
    game.replay(m_log);
    m_reviewView->showReview(reviewGame(*table, m_log), game.position().score,
                             m_coach.pointsToCome(TurnState {}));
}
