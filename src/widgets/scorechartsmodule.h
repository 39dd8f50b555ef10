#pragma once

#include "widgets/scorecharts.h"

#include <QObject>

// The charts drawn with Qt Charts; the module that holds this class is all that links Qt Charts.
class ScoreChartsModule : public QObject, public ScoreCharts
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ScoreCharts_iid)
    Q_INTERFACES(ScoreCharts)

public:
    QWidget *newHistogram(const QList<Bin> &bins, int binWidth, QWidget *parent) const override;
    QWidget *newTimeline(const QList<int> &scores, const QList<double> &movingAverage,
                         int averagedGames, QWidget *parent) const override;
};
