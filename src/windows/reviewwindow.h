#pragma once

#include "game/gamelog.h"

#include <QDialog>

class Coach;
class GameReviewView;
class GradientFill;
class QPushButton;
class Session;
class SolveProgress;

// The coach's review of any one game, given its log, such as a game from the history. It sets
// the coach solving if it has not yet, and shows the solve's progress until the review is ready.
// Made for one showing, in the session's colours.
class ReviewWindow : public QDialog
{
    Q_OBJECT

public:
    ReviewWindow(const Session &session, Coach &coach, const GameLog &log,
                 QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void prepareToShow();
    void showReview();

    const Session &m_session;
    Coach &m_coach;
    const GameLog m_log;

    GradientFill *m_backgroundFill = nullptr;
    SolveProgress *m_solveProgress = nullptr;
    GameReviewView *m_reviewView = nullptr;
    QPushButton *m_okButton = nullptr;
};
