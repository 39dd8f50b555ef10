#pragma once

#include "app/startup.h"
#include "game/gamestate.h"
#include "players/sharedstate.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The program as it stands after start-up: the process-wide values as they begin, both main
// windows created, and the settings file in a temporary folder of its own.
class ProgramFixture
{
public:
    void start()
    {
        gameStarted = false;
        currentPlayerName.clear();
        highestScore = 0;
        highestScoreHolder.clear();
        gradientStartColor = gradientEndColor = Colors::Black;
        createMainWindows();
        m_settingsPathAtStart = settingsFilePath;
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        settingsFilePath = m_folder->filePath(QStringLiteral("settings.cfg"));
    }

    void stop()
    {
        destroyMainWindows();
        m_folder.reset();
    }

    QString filePath(const QString &name) const { return m_folder->filePath(name); }

    // Where the program itself would keep its settings file.
    const QString &settingsPathAtStart() const { return m_settingsPathAtStart; }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_settingsPathAtStart;
};
