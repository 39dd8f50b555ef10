#pragma once

#include <QWidget>
#include <optional>

struct GameReview;
class QLabel;
class QTreeWidget;

// The review of one game: what the player scored, what the choices cost against perfect play,
// and turn by turn the dice of each roll, each final choice with the best one and its cost, the
// three costliest marked.
class GameReviewView : public QWidget
{
    Q_OBJECT

public:
    explicit GameReviewView(QWidget *parent = nullptr);

    // perfectPlay is the value of the whole game under perfect play, where the coach knows it.
    void showReview(const GameReview &review, qint32 score, std::optional<double> perfectPlay);

private:
    QLabel *m_summaryLine;
    QLabel *m_perfectPlayLine;
    QTreeWidget *m_turnList;
};
