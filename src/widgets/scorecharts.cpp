#include "widgets/scorecharts.h"

#include "base/programmodules.h"

const ScoreCharts *scoreCharts()
{
    static const ScoreCharts *const charts
            = qobject_cast<ScoreCharts *>(loadProgramModule(QStringLiteral("libtovikcharts.so")));
    return charts;
}
