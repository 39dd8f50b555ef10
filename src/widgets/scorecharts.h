#pragma once

#include <QList>
#include <QString>
#include <QtPlugin>

class QWidget;

// The two charts of the Statistics window. Qt Charts draws them in a module of their own,
// loaded the first time a chart is wanted, so that the library costs the program nothing
// before then.
class ScoreCharts
{
public:
    struct Bin
    {
        int lowest = 0;
        int games = 0;
    };

    virtual ~ScoreCharts() = default;

    // A bar for each bin of final scores, binWidth points wide, with its number of games.
    virtual QWidget *newHistogram(const QList<Bin> &bins, int binWidth, QWidget *parent) const = 0;
    // The final scores in the order the games ended, and their moving average, over the games'
    // numbers from 1.
    virtual QWidget *newTimeline(const QList<int> &scores, const QList<double> &movingAverage,
                                 int averagedGames, QWidget *parent) const = 0;
};

#define ScoreCharts_iid "org.example.tovik.ScoreCharts/1"
Q_DECLARE_INTERFACE(ScoreCharts, ScoreCharts_iid)

// The charts module, loaded at the first call; nullptr when it cannot be loaded, and the window
// then goes without charts.
const ScoreCharts *scoreCharts();
