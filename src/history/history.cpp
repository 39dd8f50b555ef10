#include "history/history.h"

#include "history/historystore.h"

History::History(const QString &filePath, QObject *parent) : QObject(parent), m_filePath(filePath)
{
    m_thread.setObjectName(QStringLiteral("history"));
    m_worker.moveToThread(&m_thread);
    m_thread.start();
    // Made on its thread, whose connection to the file it is.
    onStoreThread([](HistoryStore &) {});
}

History::~History()
{
    onStoreThread([this](HistoryStore &store) {
        store.writeWaiting();
        m_store.reset();
        // Back to the thread that deletes it.
        m_worker.moveToThread(thread());
        m_thread.quit();
    });
    m_thread.wait();
}

void History::onStoreThread(std::function<void(HistoryStore &)> work)
{
    QMetaObject::invokeMethod(&m_worker, [this, work = std::move(work)] {
        if (!m_store) {
            m_store = std::make_unique<HistoryStore>(m_filePath, [this](const QString &text) {
                reply([this, text] { Q_EMIT problem(text); });
            });
        }
        work(*m_store);
    });
}

void History::reply(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void History::write(const GameRecord &game)
{
    onStoreThread([this, game](HistoryStore &store) {
        const QList<GameRecord> written = store.write(game);
        reply([this, written] {
            for (const GameRecord &each : written)
                Q_EMIT gameWritten(each);
        });
    });
}

void History::setCoachCost(qint64 id, const CoachCost &cost)
{
    onStoreThread([id, cost](HistoryStore &store) { store.setCoachCost(id, cost); });
}

void History::loadGames()
{
    onStoreThread([this](HistoryStore &store) {
        reply([this, games = store.games()] { Q_EMIT gamesLoaded(games); });
    });
}

void History::loadGame(qint64 id)
{
    onStoreThread([this, id](HistoryStore &store) {
        if (const std::optional<GameRecord> game = store.game(id))
            reply([this, game = *game] { Q_EMIT gameLoaded(game); });
    });
}

void History::loadGamesWithoutCost()
{
    onStoreThread([this](HistoryStore &store) {
        reply([this, games = store.finishedGamesWithoutCost()] {
            Q_EMIT gamesWithoutCostLoaded(games);
        });
    });
}
