#include "windows/statisticswindow.h"

#include "base/errors.h"
#include "history/gamescsv.h"
#include "history/history.h"
#include "history/historystatistics.h"
#include "players/session.h"
#include "widgets/filechooser.h"
#include "widgets/fonts.h"
#include "widgets/gradientfill.h"
#include "widgets/scorecharts.h"
#include "widgets/windowcontrols.h"
#include "windows/windowplacement.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QShowEvent>
#include <QTreeWidget>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize ClientSize(860, 640);
constexpr int FillColorCount = 128;
constexpr int Margin = 12;
constexpr int FiguresColumnWidth = 360;
constexpr int WindowFontSize = 13;
constexpr int ButtonWidth = 90;

// Where each part sits in the window's grid.
constexpr int PlayerRow = 0;
constexpr int UpperRow = 1;
constexpr int LowerRow = 2;
constexpr int ButtonRow = 3;
constexpr int ListColumn = 0;
constexpr int ChartColumn = 1;

enum GameColumn { EndedColumn, PlayerColumn, ScoreColumn, FinishedColumn, CostColumn };
constexpr int GameColumnWidths[] = {112, 96, 44, 56, 44};

QString decimal(const std::optional<double> &value, int decimals, const QString &none)
{
    return value ? QString::number(*value, 'f', decimals) : none;
}

QString whole(const std::optional<qint32> &value)
{
    return value ? QString::number(*value) : u"none"_s;
}

QList<QStringList> figureRows(const HistoryFigures &figures)
{
    const QString none = u"none"_s;
    const QString unknown = u"not known"_s;
    const QString bonusShare = figures.upperBonusShare
            ? QString::number(*figures.upperBonusShare * 100.0, 'f', 1) + u" %"_s
            : none;
    return {
            {u"Games played"_s, QString::number(figures.played)},
            {u"Games finished"_s, QString::number(figures.finished)},
            {u"Average score"_s, decimal(figures.averageScore, 1, none)},
            {u"Median score"_s, decimal(figures.medianScore, 1, none)},
            {u"Best score"_s, whole(figures.bestScore)},
            {u"Worst score"_s, whole(figures.worstScore)},
            {u"Standard deviation"_s, decimal(figures.standardDeviation, 1, none)},
            {u"Games with the +35"_s, bonusShare},
            {u"Fives of a kind scored"_s, QString::number(figures.fivesOfAKind)},
            {u"Coach's cost per game"_s, decimal(figures.coachCostPerGame, 2, unknown)},
            {u"Coach's cost per choice"_s, decimal(figures.coachCostPerChoice, 2, unknown)},
    };
}

QTreeWidget *newList(const QStringList &headers, const QString &name, QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(name == u"figuresList"_s ? u"Figures"_s : u"Games"_s);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    return list;
}

QTreeWidgetItem *gameItem(const GameRecord &game)
{
    auto *item = new QTreeWidgetItem(QStringList {
            game.endedAt.toLocalTime().toString(u"yyyy-MM-dd HH:mm"_s), game.player,
            QString::number(game.score), game.finished ? u"yes"_s : u"no"_s,
            game.coachCost ? QString::number(game.coachCost->total, 'f', 2) : QString()});
    item->setData(EndedColumn, Qt::UserRole, game.id);
    item->setTextAlignment(ScoreColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(CostColumn, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString histogramSummary(const QList<ScoreBin> &bins)
{
    if (bins.isEmpty())
        return u"No finished games."_s;
    const ScoreBin most = *std::max_element(bins.begin(), bins.end(),
                                            [](auto a, auto b) { return a.games < b.games; });
    return u"Most games scored %1 to %2: %3."_s.arg(most.lowest)
            .arg(most.lowest + ScoreBinWidth - 1)
            .arg(most.games);
}

QString timelineSummary(const QList<ScoreAtTime> &points)
{
    if (points.isEmpty())
        return u"No finished games."_s;
    return u"Last score %1; average of the last %2 games %3."_s.arg(points.last().score)
            .arg(std::min<qsizetype>(points.size(), MovingAverageGames))
            .arg(points.last().movingAverage, 0, 'f', 1);
}

} // namespace

StatisticsWindow::StatisticsWindow(const Session &session, History &history, QWidget *parent)
    : QDialog(parent), m_session(session), m_history(history)
{
    setWindowTitle(u"Statistics"_s);
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setWindowFont(this, WindowFontSize);
    createControls();
    connect(&m_history, &History::gamesLoaded, this, &StatisticsWindow::showGames);
    connect(&m_history, &History::gameWritten, this, [this] { m_history.loadGames(); });
    m_history.loadGames();
}

void StatisticsWindow::createControls()
{
    m_backgroundFill = newBackgroundFill(this, QRect(QPoint(), ClientSize), FillColorCount);
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(Margin, Margin, Margin, Margin);
    m_grid->setSpacing(Margin);
    m_grid->setColumnMinimumWidth(ListColumn, FiguresColumnWidth);
    m_grid->setColumnStretch(ChartColumn, 1);

    m_playerChoice = new QComboBox(this);
    m_playerChoice->setObjectName(u"playerChoice"_s);
    auto *playerLabel = new QLabel(u"&Player:"_s, this);
    playerLabel->setBuddy(m_playerChoice);
    auto *playerRow = new QHBoxLayout;
    playerRow->addWidget(playerLabel);
    playerRow->addWidget(m_playerChoice, 1);
    m_grid->addLayout(playerRow, PlayerRow, ListColumn);

    m_figuresList = newList({u"Figure"_s, u"Value"_s}, u"figuresList"_s, this);
    m_figuresList->header()->resizeSection(0, FiguresColumnWidth * 2 / 3);
    m_grid->addWidget(m_figuresList, UpperRow, ListColumn);
    m_gamesList = newList({u"Ended"_s, u"Player"_s, u"Score"_s, u"Finished"_s, u"Cost"_s},
                          u"gamesList"_s, this);
    for (int column = EndedColumn; column <= CostColumn; ++column)
        m_gamesList->header()->resizeSection(column, GameColumnWidths[column]);
    m_grid->addWidget(m_gamesList, LowerRow, ListColumn);

    m_reviewButton = newButton(u"&Review"_s, this, QRect(), font());
    m_exportButton = newButton(u"&Export..."_s, this, QRect(), font());
    m_closeButton = newButton(u"&Close"_s, this, QRect(), font());
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (QPushButton *button : {m_reviewButton, m_exportButton, m_closeButton}) {
        button->setMinimumWidth(ButtonWidth);
        buttonRow->addWidget(button);
    }
    m_grid->addLayout(buttonRow, ButtonRow, ListColumn, 1, 2);
    m_reviewButton->setObjectName(u"reviewButton"_s);
    m_exportButton->setObjectName(u"exportButton"_s);
    m_closeButton->setObjectName(u"closeButton"_s);
    m_reviewButton->setEnabled(false);
    m_exportButton->setEnabled(false);

    connect(m_playerChoice, &QComboBox::currentIndexChanged, this,
            &StatisticsWindow::showChosenPlayer);
    connect(m_gamesList, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { m_reviewButton->setEnabled(current != nullptr); });
    connect(m_gamesList, &QTreeWidget::itemActivated, this, &StatisticsWindow::requestReview);
    connect(m_reviewButton, &QPushButton::clicked, this, &StatisticsWindow::requestReview);
    connect(m_exportButton, &QPushButton::clicked, this,
            guarded([this](bool) { exportShownGames(); }));
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void StatisticsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        m_backgroundFill->setColors(m_session.startColor(), m_session.endColor());
        centerOnScreen(this);
    }
}

void StatisticsWindow::showGames(const QList<GameRecord> &games)
{
    m_games = games;
    // The choice stays where it is; the first time, it is the current player.
    const QString chosen = m_playerChoice->count() > 0 ? chosenPlayer() : m_session.playerName();
    QStringList players = playersOf(games);
    if (!m_session.playerName().isEmpty() && !players.contains(m_session.playerName())) {
        players.append(m_session.playerName());
        players.sort();
    }
    const QSignalBlocker blocker(m_playerChoice);
    m_playerChoice->clear();
    m_playerChoice->addItem(u"All players"_s, QString());
    for (const QString &player : players)
        m_playerChoice->addItem(player, player);
    m_playerChoice->setCurrentIndex(std::max(0, m_playerChoice->findData(chosen)));
    showChosenPlayer();
    Q_EMIT gamesShown();
}

QString StatisticsWindow::chosenPlayer() const
{
    return m_playerChoice->currentData().toString();
}

void StatisticsWindow::showChosenPlayer()
{
    m_shown = gamesOf(m_games, chosenPlayer());
    showFigures();
    showCharts();
    showGameList();
    m_exportButton->setEnabled(!m_shown.isEmpty());
}

void StatisticsWindow::showFigures()
{
    m_figuresList->clear();
    for (const QStringList &row : figureRows(historyFigures(m_shown)))
        m_figuresList->addTopLevelItem(new QTreeWidgetItem(row));
}

void StatisticsWindow::showCharts()
{
    const ScoreCharts *charts = scoreCharts();
    const QList<ScoreBin> bins = scoreHistogram(m_shown);
    const QList<ScoreAtTime> points = scoresOverTime(m_shown);
    QList<ScoreCharts::Bin> chartBins;
    for (const ScoreBin &bin : bins)
        chartBins.append({bin.lowest, bin.games});
    QList<int> scores;
    QList<double> averages;
    for (const ScoreAtTime &point : points) {
        scores.append(point.score);
        averages.append(point.movingAverage);
    }
    // Without the charts module, the summaries stand in for the charts.
    const auto chartOrSummary = [this, charts](auto makeChart, const QString &summary) {
        return charts ? makeChart(charts) : new QLabel(summary, this);
    };
    const QString histogramText = histogramSummary(bins);
    replaceChart(m_histogram,
                 chartOrSummary(
                         [&](const ScoreCharts *c) {
                             return c->newHistogram(chartBins, ScoreBinWidth, this);
                         },
                         histogramText),
                 UpperRow, u"Histogram of final scores"_s, histogramText);
    const QString timelineText = timelineSummary(points);
    replaceChart(m_timeline,
                 chartOrSummary(
                         [&](const ScoreCharts *c) {
                             return c->newTimeline(scores, averages, MovingAverageGames, this);
                         },
                         timelineText),
                 LowerRow, u"Scores over time"_s, timelineText);
    setTabOrder(m_figuresList, m_histogram);
    setTabOrder(m_histogram, m_gamesList);
    setTabOrder(m_gamesList, m_timeline);
    setTabOrder(m_timeline, m_reviewButton);
}

void StatisticsWindow::replaceChart(QWidget *&chart, QWidget *replacement, int row,
                                    const QString &name, const QString &description)
{
    delete chart;
    chart = replacement;
    chart->setObjectName(row == UpperRow ? u"histogramChart"_s : u"timelineChart"_s);
    chart->setAccessibleName(name);
    chart->setAccessibleDescription(description);
    // Reached by Tab, so that a screen reader reads what the chart shows.
    chart->setFocusPolicy(Qt::StrongFocus);
    m_grid->addWidget(chart, row, ChartColumn);
    // At once, not after the layout's own queued showing, so that the figures and the charts
    // appear together.
    chart->show();
}

void StatisticsWindow::showGameList()
{
    m_gamesList->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(m_shown.size());
    for (const GameRecord &game : m_shown)
        items.append(gameItem(game));
    m_gamesList->addTopLevelItems(items);
    m_reviewButton->setEnabled(false);
}

void StatisticsWindow::requestReview()
{
    if (QTreeWidgetItem *item = m_gamesList->currentItem())
        Q_EMIT reviewRequested(item->data(EndedColumn, Qt::UserRole).toLongLong());
}

void StatisticsWindow::exportShownGames()
{
    const QString path
            = chooseFileToSave(this, u"Export the games"_s,
                               QDir::home().filePath(u"tovik-games.csv"_s), u"CSV files (*.csv)"_s);
    if (path.isEmpty())
        return;
    const QByteArray text = gamesCsv(m_shown);
    // Qt refuses some files without a failing system call; those are denied access.
    const auto lastFileError = [] {
        return errno == 0 ? InOutError(InOutError::FileAccessDenied)
                          : InOutError::fromSystemError(errno);
    };
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw lastFileError();
    // A write cut short must not replace an older file with part of the new one.
    if (file.write(text) != text.size() || !file.flush()) {
        const InOutError error = lastFileError();
        file.cancelWriting();
        file.commit();
        throw error;
    }
    if (!file.commit())
        throw lastFileError();
}
