#include "windows/gamewindow.h"

#include "players/session.h"
#include "widgets/announcer.h"
#include "widgets/gradientfill.h"
#include "windows/aboutwindow.h"
#include "windows/colorschemedialog.h"
#include "windows/helpwindow.h"
#include "windows/highscorewindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// The menu bar of the game window and the windows its items open.

void GameWindow::createMenus()
{
    mainMenu = menuBar();
    gameMenu = mainMenu->addMenu(QStringLiteral("&Game"));
    newGameAction = gameMenu->addAction(QStringLiteral("&New..."));
    newGameAction->setShortcut(Qt::Key_F2);
    differentPlayerAction = gameMenu->addAction(QStringLiteral("&Different Player..."));
    highestScoreAction = gameMenu->addAction(QStringLiteral("&Highest Score..."));
    highestScoreAction->setEnabled(false);
    exitAction = gameMenu->addAction(QStringLiteral("E&xit"));

    optionsMenu = mainMenu->addMenu(QStringLiteral("&Options"));
    animationAction = optionsMenu->addAction(QStringLiteral("&Animation"));
    animationAction->setCheckable(true);
    colorsAction = optionsMenu->addAction(QStringLiteral("&Colors..."));
    colorsAction->setShortcut(Qt::Key_F3);

    helpMenu = mainMenu->addMenu(QStringLiteral("&Help"));
    howToPlayAction = helpMenu->addAction(QStringLiteral("&How to Play..."));
    howToPlayAction->setShortcut(Qt::Key_F1);
    aboutAction = helpMenu->addAction(QStringLiteral("&About"));
}

void GameWindow::connectMenus()
{
    // Qt blocks the shortcuts of a disabled menu but not its items' trigger(), which a screen
    // reader's Press calls: while the dice roll, the items do nothing, as their greyed menus say.
    const auto unlessRolling = [this](void (GameWindow::*handler)()) {
        return [this, handler] {
            if (!m_rolling)
                (this->*handler)();
        };
    };
    connect(newGameAction, &QAction::triggered, this, unlessRolling(&GameWindow::startNewGame));
    connect(differentPlayerAction, &QAction::triggered, this,
            unlessRolling(&GameWindow::askForDifferentPlayer));
    connect(highestScoreAction, &QAction::triggered, this,
            unlessRolling(&GameWindow::showHighestScore));
    connect(exitAction, &QAction::triggered, this, unlessRolling(&GameWindow::closeGame));
    // The item shows screen readers only "checked", so the player hears the new state.
    connect(animationAction, &QAction::triggered, this, [this](bool on) {
        if (m_rolling) {
            animationAction->setChecked(!on);
            return;
        }
        m_announcer->say(on ? QStringLiteral("Animation on.") : QStringLiteral("Animation off."));
    });
    connect(colorsAction, &QAction::triggered, this, unlessRolling(&GameWindow::showColorScheme));
    connect(howToPlayAction, &QAction::triggered, this, unlessRolling(&GameWindow::showHelp));
    connect(aboutAction, &QAction::triggered, this, unlessRolling(&GameWindow::showAbout));
}

// The animation item and the Highest Score item show the session's switch and whether it knows a
// record, and the background shows its colours; the item changes the switch in turn.
void GameWindow::followSession()
{
    animationAction->setChecked(m_session.animation());
    connect(animationAction, &QAction::toggled, &m_session, &Session::setAnimation);
    connect(&m_session, &Session::animationChanged, animationAction, &QAction::setChecked);
    highestScoreAction->setEnabled(m_session.recordKnown());
    connect(&m_session, &Session::recordChanged, highestScoreAction,
            [this] { highestScoreAction->setEnabled(m_session.recordKnown()); });
    connect(&m_session, &Session::colorsChanged, backgroundFill, &GradientFill::setColors);
}

void GameWindow::closeGame()
{
    close();
}

void GameWindow::askForDifferentPlayer()
{
    Q_EMIT differentPlayerRequested();
}

// The windows below are made for one showing and destroyed when it ends. The game window is
// their parent, so that the desktop keeps them above it and places them over it.
void GameWindow::showHighestScore()
{
    HighScoreWindow highScoreWindow(m_session, this);
    highScoreWindow.enterViewMode();
    highScoreWindow.exec();
}

void GameWindow::showColorScheme()
{
    {
        ColorSchemeDialog colorScheme(m_session, m_mainWindow, this);
        colorScheme.exec();
    }
    m_diceDisplay->repaint();
}

void GameWindow::showHelp()
{
    HelpWindow help(m_session, m_mainWindow, this);
    help.exec();
}

void GameWindow::showAbout()
{
    AboutWindow about(m_session, this);
    about.exec();
}
