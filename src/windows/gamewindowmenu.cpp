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
    QMenuBar *mainMenu = menuBar();
    mainMenu->setObjectName(QStringLiteral("mainMenu"));
    m_gameMenu = mainMenu->addMenu(QStringLiteral("&Game"));
    m_gameMenu->setObjectName(QStringLiteral("gameMenu"));
    addMenuItem(m_gameMenu, QStringLiteral("&New..."), "newGameAction", &GameWindow::newGame)
            ->setShortcut(Qt::Key_F2);
    addMenuItem(m_gameMenu, QStringLiteral("&Different Player..."), "differentPlayerAction",
                &GameWindow::askForDifferentPlayer);
    m_highestScoreAction = addMenuItem(m_gameMenu, QStringLiteral("&Highest Score..."),
                                       "highestScoreAction", &GameWindow::showHighestScore);
    m_highestScoreAction->setEnabled(false);
    addMenuItem(m_gameMenu, QStringLiteral("&Statistics..."), "statisticsAction",
                &GameWindow::askForStatistics);
    addMenuItem(m_gameMenu, QStringLiteral("E&xit"), "exitAction", &GameWindow::closeGame);

    m_optionsMenu = mainMenu->addMenu(QStringLiteral("&Options"));
    m_optionsMenu->setObjectName(QStringLiteral("optionsMenu"));
    m_animationAction = m_optionsMenu->addAction(QStringLiteral("&Animation"));
    m_animationAction->setObjectName(QStringLiteral("animationAction"));
    m_animationAction->setCheckable(true);
    // The item shows screen readers only "checked", so the player hears the new state.
    connect(m_animationAction, &QAction::triggered, this, [this](bool on) {
        if (isRolling()) {
            m_animationAction->setChecked(!on);
            return;
        }
        m_announcer->say(on ? QStringLiteral("Animation on.") : QStringLiteral("Animation off."));
    });
    addMenuItem(m_optionsMenu, QStringLiteral("&Colors..."), "colorsAction",
                &GameWindow::showColorScheme)
            ->setShortcut(Qt::Key_F3);
    m_coachAction = m_optionsMenu->addAction(QStringLiteral("C&oach"));
    m_coachAction->setObjectName(QStringLiteral("coachAction"));
    m_coachAction->setCheckable(true);
    m_coachAction->setShortcut(Qt::Key_F4);
    connect(m_coachAction, &QAction::triggered, this, [this](bool on) {
        if (isRolling()) {
            m_coachAction->setChecked(!on);
            return;
        }
        Q_EMIT coachSwitched(on);
    });

    m_helpMenu = mainMenu->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("helpMenu"));
    addMenuItem(m_helpMenu, QStringLiteral("&How to Play..."), "howToPlayAction",
                &GameWindow::showHelp)
            ->setShortcut(Qt::Key_F1);
    addMenuItem(m_helpMenu, QStringLiteral("&About"), "aboutAction", &GameWindow::showAbout);
}

// Qt blocks the shortcuts of a disabled menu but not its items' trigger(), which a screen
// reader's Press calls: while the dice roll, the items do nothing, as their greyed menus say.
QAction *GameWindow::addMenuItem(QMenu *menu, const QString &text, const char *name,
                                 void (GameWindow::*handler)())
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, [this, handler] {
        if (!isRolling())
            (this->*handler)();
    });
    return action;
}

// The animation item and the Highest Score item show the session's switch and whether it knows a
// record, and the background shows its colours; the item changes the switch in turn.
void GameWindow::followSession()
{
    m_animationAction->setChecked(m_session.animation());
    connect(m_animationAction, &QAction::toggled, &m_session, &Session::setAnimation);
    connect(&m_session, &Session::animationChanged, m_animationAction, &QAction::setChecked);
    m_highestScoreAction->setEnabled(m_session.recordKnown());
    connect(&m_session, &Session::recordChanged, m_highestScoreAction,
            [this] { m_highestScoreAction->setEnabled(m_session.recordKnown()); });
    connect(&m_session, &Session::colorsChanged, m_backgroundFill, &GradientFill::setColors);
}

void GameWindow::setCoachChecked(bool on)
{
    m_coachAction->setChecked(on);
}

void GameWindow::closeGame()
{
    close();
}

void GameWindow::askForDifferentPlayer()
{
    Q_EMIT differentPlayerRequested();
}

void GameWindow::askForStatistics()
{
    Q_EMIT statisticsRequested();
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
