#include "windows/gamereviewview.h"

#include "coach/choicetext.h"
#include "coach/gamereview.h"
#include "widgets/windowcontrols.h"
#include "windows/panellines.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr std::size_t MarkedChoices = 3;
constexpr int Spacing = 8;

// The costliest choices that cost anything, the earliest first among equal costs.
std::vector<const ReviewedChoice *> costliestChoices(const GameReview &review)
{
    std::vector<const ReviewedChoice *> costly;
    for (const ReviewedTurn &turn : review.turns) {
        for (const ReviewedChoice &choice : turn.choices) {
            if (choice.cost() > 0)
                costly.push_back(&choice);
        }
    }
    std::stable_sort(costly.begin(), costly.end(),
                     [](auto a, auto b) { return a->cost() > b->cost(); });
    costly.resize(std::min(costly.size(), MarkedChoices));
    return costly;
}

QString turnText(const ReviewedTurn &turn, int number)
{
    QStringList rolls;
    for (const Dice &dice : turn.rolls)
        rolls.append(diceText(dice));
    return QStringLiteral("Turn %1: rolled %2")
            .arg(number)
            .arg(rolls.join(QStringLiteral(", then ")));
}

QString choiceRowText(const ReviewedChoice &choice, bool marked)
{
    QString text = QStringLiteral("%1; best: %2; cost %3")
                           .arg(choiceText(choice.made), choiceText(choice.best),
                                pointsText(choice.cost()));
    if (marked)
        text += QStringLiteral(", one of the three costliest");
    return text;
}

} // namespace

GameReviewView::GameReviewView(QWidget *parent) : QWidget(parent)
{
    QFrame *summary = newLinesPanel(this, u"reviewSummary");
    m_summaryLine = addPanelLine(summary, u"summaryLine");
    m_perfectPlayLine = addPanelLine(summary, u"perfectPlayLine");

    m_turnList = named(new QTreeWidget(this), u"turnList");
    m_turnList->setAccessibleName(QStringLiteral("Turns"));
    m_turnList->setHeaderHidden(true);
    m_turnList->setColumnCount(1);
    m_turnList->setWordWrap(true);
    m_turnList->header()->setStretchLastSection(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing);
    layout->addWidget(summary);
    layout->addWidget(m_turnList, 1);
}

void GameReviewView::showReview(const GameReview &review, qint32 score,
                                std::optional<double> perfectPlay)
{
    const int choices = review.choiceCount();
    const double cost = review.totalCost();
    setPanelLine(m_summaryLine,
                 QStringLiteral("You scored %1. Your choices cost %2 points, %3 per choice.")
                         .arg(score)
                         .arg(pointsText(cost), pointsText(choices > 0 ? cost / choices : 0.0)));
    setPanelLine(m_perfectPlayLine,
                 perfectPlay ? QStringLiteral("Perfect play averages %1 points a game.")
                                       .arg(pointsText(*perfectPlay))
                             : QString());

    const std::vector<const ReviewedChoice *> marked = costliestChoices(review);
    m_turnList->clear();
    for (std::size_t i = 0; i < review.turns.size(); ++i) {
        const ReviewedTurn &turn = review.turns[i];
        auto *turnItem = new QTreeWidgetItem(m_turnList, {turnText(turn, int(i) + 1)});
        for (const ReviewedChoice &choice : turn.choices) {
            const bool isMarked = std::find(marked.begin(), marked.end(), &choice) != marked.end();
            auto *item = new QTreeWidgetItem(turnItem, {choiceRowText(choice, isMarked)});
            if (isMarked) {
                QFont font = item->font(0);
                font.setBold(true);
                item->setFont(0, font);
            }
        }
    }
    if (!review.valued)
        new QTreeWidgetItem(m_turnList, {QStringLiteral("The coach cannot advise here.")});
    m_turnList->expandAll();
}
