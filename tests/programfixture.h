#pragma once

#include "app/mainwindows.h"
#include "players/session.h"
#include "windows/gamewindow.h"
#include "windows/welcomewindow.h"
#include "windowtesting.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The program as it stands after start-up: a new session, both main windows created, and the
// settings file in a temporary folder of its own.
class ProgramFixture
{
public:
    void start()
    {
        m_windows = std::make_unique<MainWindows>();
        m_settingsPathAtStart = session().settingsPath();
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        session().setSettingsPath(m_folder->filePath(QStringLiteral("settings.cfg")));
    }

    void stop()
    {
        endRun();
        m_folder.reset();
    }

    // Ends the run as the program does after its message loop, and keeps the folder.
    void endRun() { m_windows.reset(); }

    MainWindows &windows() { return *m_windows; }
    Session &session() { return m_windows->session(); }
    GameWindow *gameWindow() { return &m_windows->gameWindow(); }
    WelcomeWindow *welcomeWindow() { return &m_windows->welcomeWindow(); }
    template<typename Control> Control *gameControl(const QString &name)
    {
        return control<Control>(gameWindow(), name);
    }
    template<typename Control> Control *welcomeControl(const QString &name)
    {
        return control<Control>(welcomeWindow(), name);
    }

    QString filePath(const QString &name) const { return m_folder->filePath(name); }

    // Where the program itself would keep its settings file.
    const QString &settingsPathAtStart() const { return m_settingsPathAtStart; }

private:
    std::unique_ptr<MainWindows> m_windows;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_settingsPathAtStart;
};
