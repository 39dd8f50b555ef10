#include "app/runhistory.h"

#include "history/costreviewer.h"
#include "history/history.h"
#include "history/historylocation.h"
#include "players/session.h"
#include "players/settingslocation.h"
#include "windows/gamewindow.h"

#include <QFileInfo>

RunHistory::RunHistory(const Session &session, const GameWindow &gameWindow, Coach &coach)
    : m_session(session), m_coach(coach), m_notices(gameWindow),
      m_recorder(gameWindow.game(), [&session] { return session.playerName(); })
{
    QObject::connect(&m_recorder, &GameRecorder::recorded, &m_notices,
                     [this](const GameRecord &game) { history().write(game); });
}

// The history's own end waits for the last write.
RunHistory::~RunHistory()
{
    m_recorder.recordUnfinished();
}

QString RunHistory::filePath() const
{
    const QString &settings = m_session.settingsPath();
    return historyFileLocation(settings, isSettingsFileInConfigFolder(settings));
}

History &RunHistory::history()
{
    if (!m_history) {
        m_history = std::make_unique<History>(filePath());
        m_costReviewer = std::make_unique<CostReviewer>(*m_history, m_coach);
        QObject::connect(m_history.get(), &History::problem, &m_notices, &HistoryNotices::tell);
    }
    return *m_history;
}

void RunHistory::openAtStart()
{
    if (m_history || QFileInfo::exists(filePath())) {
        history();
        m_costReviewer->reviewGamesWithoutCost();
    }
}
