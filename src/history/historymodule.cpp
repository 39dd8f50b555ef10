#include "history/historymodule.h"

#include "history/historystore.h"

std::unique_ptr<HistoryFile> HistoryModule::openFile(const QString &path,
                                                     HistoryFile::ProblemReport report) const
{
    return std::make_unique<HistoryStore>(path, std::move(report));
}
