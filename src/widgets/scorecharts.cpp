#include "widgets/scorecharts.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

using namespace Qt::StringLiterals;

namespace {

constexpr auto ModuleName = u"libtovikcharts.so";

QString chartsFolder;

const ScoreCharts *loadScoreCharts()
{
    const QDir program(QCoreApplication::applicationDirPath());
    // The build tree keeps the module beside the program, an installation in its own folder.
    const QStringList folders = chartsFolder.isEmpty()
            ? QStringList {program.path(), program.filePath(QStringLiteral(TOVIK_CHARTS_FOLDER))}
            : QStringList {chartsFolder};
    for (const QString &folder : folders) {
        QPluginLoader loader(QDir(folder).filePath(QString::fromUtf16(ModuleName)));
        if (auto *charts = qobject_cast<ScoreCharts *>(loader.instance()))
            return charts;
    }
    return nullptr;
}

} // namespace

void findScoreChartsIn(const QString &folder)
{
    chartsFolder = folder;
}

const ScoreCharts *scoreCharts()
{
    static const ScoreCharts *const charts = loadScoreCharts();
    return charts;
}
