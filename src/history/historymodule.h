#pragma once

#include "history/historyfile.h"

#include <QObject>

// The module that holds the SQLite store, the one part of the program that links Qt SQL.
class HistoryModule : public QObject, public HistoryFileMaker
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HistoryFileMaker_iid)
    Q_INTERFACES(HistoryFileMaker)

public:
    std::unique_ptr<HistoryFile> openFile(const QString &path,
                                          HistoryFile::ProblemReport report) const override;
};
