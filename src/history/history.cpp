#include "history/history.h"

#include "base/programmodules.h"
#include "history/historyfile.h"

using namespace Qt::StringLiterals;

namespace {

constexpr auto ModuleName = u"libtovikhistory.so";

} // namespace

History::History(const QString &filePath, QObject *parent) : QObject(parent), m_filePath(filePath)
{
    m_thread.setObjectName(u"history"_s);
    m_worker.moveToThread(&m_thread);
    m_thread.start();
}

History::~History()
{
    // A history never used is not opened now.
    QMetaObject::invokeMethod(&m_worker, [this] {
        if (m_file)
            m_file->writeWaiting();
        m_file.reset();
        // Back to the thread that deletes it.
        m_worker.moveToThread(thread());
        m_thread.quit();
    });
    m_thread.wait();
}

std::unique_ptr<HistoryFile> History::openFile()
{
    const auto report
            = [this](const QString &text) { reply([this, text] { Q_EMIT problem(text); }); };
    const auto *maker
            = qobject_cast<HistoryFileMaker *>(loadProgramModule(QString::fromUtf16(ModuleName)));
    if (!maker) {
        report(u"The game history cannot be kept, because a part of Tovik is missing: %1."_s.arg(
                QString::fromUtf16(ModuleName)));
        return nullptr;
    }
    return maker->openFile(m_filePath, report);
}

void History::onFileThread(std::function<void(HistoryFile *)> work)
{
    QMetaObject::invokeMethod(&m_worker, [this, work = std::move(work)] {
        // Opened on its thread, whose connection to the file it is.
        if (!m_opened) {
            m_opened = true;
            m_file = openFile();
        }
        work(m_file.get());
    });
}

void History::reply(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void History::write(const GameRecord &game)
{
    onFileThread([this, game](HistoryFile *file) {
        if (!file)
            return;
        const QList<GameRecord> written = file->write(game);
        reply([this, written] {
            for (const GameRecord &each : written)
                Q_EMIT gameWritten(each);
        });
    });
}

void History::setCoachCost(qint64 id, const CoachCost &cost)
{
    onFileThread([id, cost](HistoryFile *file) {
        if (file)
            file->setCoachCost(id, cost);
    });
}

void History::loadGames()
{
    onFileThread([this](HistoryFile *file) {
        reply([this, games = file ? file->games() : QList<GameRecord>()] {
            Q_EMIT gamesLoaded(games);
        });
    });
}

void History::loadGame(qint64 id)
{
    onFileThread([this, id](HistoryFile *file) {
        if (const std::optional<GameRecord> game = file ? file->game(id) : std::nullopt)
            reply([this, game = *game] { Q_EMIT gameLoaded(game); });
    });
}

void History::loadGamesWithoutCost()
{
    onFileThread([this](HistoryFile *file) {
        reply([this, games = file ? file->finishedGamesWithoutCost() : QList<GameRecord>()] {
            Q_EMIT gamesWithoutCostLoaded(games);
        });
    });
}
