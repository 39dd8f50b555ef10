#pragma once

#include "history/gamerecord.h"

#include <QDialog>
#include <QList>

class GradientFill;
class History;
class QComboBox;
class QGridLayout;
class QPushButton;
class QTreeWidget;
class QWidget;
class Session;

// The figures, charts and list of the games in the history, for the current player or any
// other, or for all players. The games are read off the UI thread and shown when they arrive,
// and again after each game written while the window is open. Asks for the review of a game
// from the list through reviewRequested; writes the games shown to a CSV file on request.
class StatisticsWindow : public QDialog
{
    Q_OBJECT

public:
    StatisticsWindow(const Session &session, History &history, QWidget *parent = nullptr);

Q_SIGNALS:
    void reviewRequested(qint64 gameId);
    // All the games have been read and are shown.
    void gamesShown();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void showGames(const QList<GameRecord> &games);
    void showChosenPlayer();
    void showFigures();
    void showCharts();
    void showGameList();
    void replaceChart(QWidget *&chart, QWidget *replacement, int row, const QString &name,
                      const QString &description);
    void requestReview();
    void exportShownGames();
    // The chosen player's name, or an empty one for all players.
    QString chosenPlayer() const;

    const Session &m_session;
    History &m_history;
    QList<GameRecord> m_games;
    QList<GameRecord> m_shown;

    GradientFill *m_backgroundFill;
    QGridLayout *m_grid;
    QComboBox *m_playerChoice;
    QTreeWidget *m_figuresList;
    QTreeWidget *m_gamesList;
    QWidget *m_histogram = nullptr;
    QWidget *m_timeline = nullptr;
    QPushButton *m_reviewButton;
    QPushButton *m_exportButton;
    QPushButton *m_closeButton;
};
