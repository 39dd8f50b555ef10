#include "widgets/scorechartsmodule.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QChartView *newChartView(QChart *chart, QWidget *parent)
{
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

QValueAxis *newValueAxis(const QString &title, qreal maximum)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(u"%d"_s);
    axis->setRange(0, std::max<qreal>(maximum, 1));
    axis->applyNiceNumbers();
    return axis;
}

} // namespace

QWidget *ScoreChartsModule::newHistogram(const QList<Bin> &bins, int binWidth,
                                         QWidget *parent) const
{
    auto *counts = new QBarSet(u"Games"_s);
    QStringList labels;
    int most = 0;
    for (const Bin &bin : bins) {
        *counts << bin.games;
        labels.append(QString::number(bin.lowest));
        most = std::max(most, bin.games);
    }
    auto *series = new QBarSeries;
    series->append(counts);
    series->setBarWidth(1.0);

    auto *chart = new QChart;
    chart->setTitle(u"Final scores, in steps of %1"_s.arg(binWidth));
    chart->legend()->hide();
    chart->addSeries(series);
    auto *scoreAxis = new QBarCategoryAxis;
    scoreAxis->append(labels);
    scoreAxis->setTitleText(u"Score"_s);
    // Upright, so that every bin's score shows in full however many bins there are.
    scoreAxis->setLabelsAngle(-90);
    chart->addAxis(scoreAxis, Qt::AlignBottom);
    series->attachAxis(scoreAxis);
    QValueAxis *gamesAxis = newValueAxis(u"Games"_s, most);
    chart->addAxis(gamesAxis, Qt::AlignLeft);
    series->attachAxis(gamesAxis);
    return newChartView(chart, parent);
}

QWidget *ScoreChartsModule::newTimeline(const QList<int> &scores,
                                        const QList<double> &movingAverage, int averagedGames,
                                        QWidget *parent) const
{
    auto *scoreLine = new QLineSeries;
    scoreLine->setName(u"Score"_s);
    auto *averageLine = new QLineSeries;
    averageLine->setName(u"Average of the last %1"_s.arg(averagedGames));
    QList<QPointF> scorePoints;
    QList<QPointF> averagePoints;
    for (qsizetype game = 0; game < scores.size(); ++game) {
        scorePoints.append(QPointF(qreal(game + 1), scores[game]));
        averagePoints.append(QPointF(qreal(game + 1), movingAverage.value(game)));
    }
    scoreLine->replace(scorePoints);
    averageLine->replace(averagePoints);

    auto *chart = new QChart;
    chart->setTitle(u"Scores over time"_s);
    chart->addSeries(scoreLine);
    chart->addSeries(averageLine);
    const int best = scores.isEmpty() ? 0 : *std::max_element(scores.begin(), scores.end());
    QValueAxis *gameAxis = newValueAxis(u"Game"_s, qreal(scores.size()));
    QValueAxis *scoreAxis = newValueAxis(u"Score"_s, best);
    chart->addAxis(gameAxis, Qt::AlignBottom);
    chart->addAxis(scoreAxis, Qt::AlignLeft);
    for (QLineSeries *line : {scoreLine, averageLine}) {
        line->attachAxis(gameAxis);
        line->attachAxis(scoreAxis);
    }
    return newChartView(chart, parent);
}
