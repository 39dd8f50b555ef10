#include "app/mainwindows.h"
#include "app/startup.h"
#include "base/errors.h"
#include "game/random.h"
#include "hangguard.h"
#include "players/settingsfile.h"
#include "players/settingslines.h"
#include "widgets/colorswatch.h"
#include "widgets/linklabel.h"
#include "widgets/transparentimage.h"
#include "windows/gamewindow.h"
#include "windows/highscorewindow.h"
#include "windows/rollpacing.h"
#include "windows/welcomewindow.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

// Enough for a dozen finished games per seed, few enough that both seeds together stay well
// inside the test's time limit under the sanitizers.
constexpr int ActionsPerSeed = 15000;
constexpr std::uint32_t FixedSeed = 20261208;
// One action in this many starts playing the current or next game through to its end.
constexpr int PlayThroughOdds = 500;

const std::array<int, 24> Keys = {
        Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3,
        Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backtab,
        Qt::Key_Backspace, Qt::Key_Up, Qt::Key_Down, Qt::Key_A, Qt::Key_B, Qt::Key_N, Qt::Key_R,
        Qt::Key_U, Qt::Key_P, Qt::Key_C, Qt::Key_O};

bool isInteractive(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QComboBox *>(widget)
            || qobject_cast<const QLineEdit *>(widget)
            || qobject_cast<const TransparentImage *>(widget)
            || qobject_cast<const ColorSwatch *>(widget) || qobject_cast<const LinkLabel *>(widget);
}

// What the offscreen platform says about features it lacks; anything else Qt warns of is a fault.
bool isOffscreenPlatformNotice(const QString &message)
{
    return message.startsWith(QLatin1String("This plugin does not support "));
}

// Throws if the settings file would not load again.
void loadSettingsFile(const QString &path)
{
    SettingsState state;
    for (const QString &line : splitSettingsText(readSettingsFile(path)))
        applySettingsLine(line, state);
}

} // namespace

// Random clicks, key presses and menu commands, one per pass of whatever event loop runs, so
// that it goes on inside modal windows and inside the roll animation. Each action schedules the
// next before it starts, because the action itself may open a window that runs its own loop.
// In the game window most actions are moves of the game, and now and then the monkey only
// makes moves until the game ends, so that games get to their end and to the record window.
class Monkey : public QObject
{
public:
    Monkey(std::uint32_t seed, int actions) : m_random(seed), m_budget(actions) { }

    void start() { QTimer::singleShot(0, this, &Monkey::act); }
    // The run of the program that the next actions play in.
    void playIn(MainWindows *windows) { m_windows = windows; }
    int done() const { return m_done; }
    const std::atomic<int> &progress() const { return m_done; }
    int mostTurns() const { return m_mostTurns; }
    int gamesEnded() const { return m_gamesEnded; }
    int recordWindows() const { return m_recordWindows; }
    bool finished() const { return m_done >= m_budget || !m_fault.isEmpty(); }
    const QString &fault() const { return m_fault; }

    // The first fault ends the monkey's play; the test reports it.
    void noteFault(const QString &fault)
    {
        if (m_fault.isEmpty())
            m_fault = QStringLiteral("after action %1: %2").arg(m_done.load()).arg(fault);
    }

private:
    int chance(int n) { return m_random.next(n); }
    GameWindow *gameWindow() const { return &m_windows->gameWindow(); }
    WelcomeWindow *welcomeWindow() const { return &m_windows->welcomeWindow(); }

    void act()
    {
        if (finished()) {
            endProgram();
            return;
        }
        ++m_done;
        QTimer::singleShot(0, this, &Monkey::act);
        observeGame();

        if (QWidget *popup = QApplication::activePopupWidget()) {
            if (chance(2) == 0)
                QTest::keyClick(popup, Qt::Key_Escape);
            else
                clickInside(popup);
            return;
        }
        QWidget *window = QApplication::activeModalWidget();
        if (noteErrorBox(window))
            return;
        if (!window) {
            if (!m_playingThrough)
                m_playingThrough = chance(PlayThroughOdds) == 0;
            window = m_playingThrough && gameWindow()->isVisible() ? gameWindow()
                                                                   : pickMainWindow();
            if (!window)
                return;
            if (window == gameWindow() && (m_playingThrough || chance(3) != 0) && playMove())
                return;
            if (window == gameWindow() && chance(12) == 0) {
                useMenu();
                return;
            }
            if (chance(2000) == 0) {
                window->close();
                return;
            }
        }
        if (chance(4) == 0)
            pressKey(window);
        else
            clickInside(window);
    }

    void observeGame()
    {
        const int turns = gameWindow()->game().position().turnsScored;
        if (turns == TurnsPerGame && m_lastTurns != TurnsPerGame) {
            ++m_gamesEnded;
            m_playingThrough = false;
        }
        m_lastTurns = turns;
        m_mostTurns = std::max(m_mostTurns, turns);
        if (auto *record = qobject_cast<HighScoreWindow *>(QApplication::activeModalWidget());
            record && record->isRecording() && record != m_lastRecordWindow) {
            m_lastRecordWindow = record;
            ++m_recordWindows;
        }
    }

    // The error box only ever reports a fault here: the settings file lies in a folder of its
    // own that nothing else touches.
    bool noteErrorBox(QWidget *window)
    {
        const auto *box = qobject_cast<QMessageBox *>(window);
        if (!box || box->icon() != QMessageBox::Critical)
            return false;
        noteFault(QStringLiteral("the error box says \"%1\"").arg(box->text()));
        return true;
    }

    // "&ROLL" half of the time, otherwise one of the category buttons in play. An animated roll
    // takes a hundred passes of the loop, so a game played through turns the animation off first.
    bool playMove()
    {
        auto *animation = control<QAction>(gameWindow(), QStringLiteral("animationAction"));
        const QMenu *options = control<QMenu>(gameWindow(), QStringLiteral("optionsMenu"));
        if (m_playingThrough && animation->isChecked() && options->menuAction()->isEnabled()) {
            animation->trigger();
            return true;
        }
        QList<QPushButton *> moves;
        if (chance(2) == 0) {
            moves = {control<QPushButton>(gameWindow(), QStringLiteral("rollButton")),
                     control<QPushButton>(gameWindow(), QStringLiteral("newGameButton"))};
        } else {
            for (const QString &name : GameCategoryButtonNames)
                moves.append(control<QPushButton>(gameWindow(), name));
        }
        moves.removeIf([](const QPushButton *button) {
            return !button->isVisible() || !button->isEnabled();
        });
        if (moves.isEmpty())
            return false;
        QPushButton *button = moves.at(chance(int(moves.size())));
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        return true;
    }

    // A key goes where the keyboard focus is, as a real key press does.
    void pressKey(QWidget *window)
    {
        QWidget *focus = QApplication::focusWidget();
        QWidget *receiver = focus && focus->window() == window ? focus : window;
        QTest::keyClick(receiver, Qt::Key(Keys[std::size_t(chance(int(Keys.size())))]),
                        chance(6) == 0 ? Qt::AltModifier : Qt::NoModifier);
    }

    QWidget *pickMainWindow()
    {
        QList<QWidget *> shown;
        for (QWidget *window :
             {static_cast<QWidget *>(gameWindow()), static_cast<QWidget *>(welcomeWindow())}) {
            if (window && window->isVisible())
                shown.append(window);
        }
        return shown.isEmpty() ? nullptr : shown.at(chance(int(shown.size())));
    }

    void clickInside(QWidget *window)
    {
        QList<QWidget *> targets;
        const bool interactiveOnly = chance(5) != 0;
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (child->isVisible() && child->isEnabled()
                && (!interactiveOnly || isInteractive(child)))
                targets.append(child);
        }
        QWidget *target = targets.isEmpty() ? window : targets.at(chance(int(targets.size())));
        // Leaving the program is rare, so that games get played between two starts.
        if (target == control<QWidget>(welcomeWindow(), QStringLiteral("exitButton"))
            && chance(50) != 0)
            return;
        const QPoint at(chance(qMax(1, target->width())), chance(qMax(1, target->height())));
        const int button = chance(10);
        const Qt::MouseButton which = button < 8 ? Qt::LeftButton
                : button == 8                    ? Qt::RightButton
                                                 : Qt::MiddleButton;
        QTest::mouseClick(target, which, Qt::NoModifier, at);
    }

    // A command from the game window's menu bar, as a person could choose it: only from a menu
    // that is enabled and only an item that is.
    void useMenu()
    {
        QList<QAction *> usable;
        const QAction *exitAction = control<QAction>(gameWindow(), QStringLiteral("exitAction"));
        for (const QString &name : GameMenuNames) {
            const QMenu *menu = control<QMenu>(gameWindow(), name);
            if (!menu->menuAction()->isEnabled())
                continue;
            for (QAction *action : menu->actions()) {
                if (action->isEnabled() && (action != exitAction || chance(50) == 0))
                    usable.append(action);
            }
        }
        if (!usable.isEmpty())
            usable.at(chance(int(usable.size())))->trigger();
    }

    // Closes whatever modal window is open, one per pass, then leaves through the game window
    // if it is shown, or the welcome window's "E&xit".
    void endProgram()
    {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            popup->close();
        } else if (QWidget *modal = QApplication::activeModalWidget()) {
            noteErrorBox(modal);
            modal->close();
        } else {
            if (gameWindow()->isVisible() && !gameWindow()->isRolling())
                gameWindow()->close();
            else if (!gameWindow()->isVisible())
                control<QPushButton>(welcomeWindow(), QStringLiteral("exitButton"))->click();
        }
        QTimer::singleShot(0, this, &Monkey::endProgram);
    }

    RandomGenerator m_random;
    int m_budget;
    std::atomic<int> m_done = 0;
    int m_mostTurns = 0;
    int m_lastTurns = 0;
    int m_gamesEnded = 0;
    int m_recordWindows = 0;
    bool m_playingThrough = false;
    QPointer<HighScoreWindow> m_lastRecordWindow;
    MainWindows *m_windows = nullptr;
    QString m_fault;
};

// Turns every message of Qt at warning level or above into a fault of the monkey's run, except
// the offscreen platform's own notices, and still prints it.
class WarningWatch
{
public:
    explicit WarningWatch(Monkey &monkey)
    {
        s_monkey = &monkey;
        s_previous = qInstallMessageHandler(&WarningWatch::handle);
    }

    ~WarningWatch()
    {
        qInstallMessageHandler(s_previous);
        s_monkey = nullptr;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type != QtDebugMsg && type != QtInfoMsg && !isOffscreenPlatformNotice(message))
            s_monkey->noteFault(QStringLiteral("Qt warns \"%1\"").arg(message));
        s_previous(type, context, message);
    }

    static inline Monkey *s_monkey = nullptr;
    static inline QtMessageHandler s_previous = nullptr;
};

class TestMonkey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void programSurvivesRandomInput_data();
    void programSurvivesRandomInput();
};

void TestMonkey::initTestCase()
{
    RollPacing::setEnabled(false);
    setUpApplication();
}

// A fixed seed that every run repeats, and a fresh one each run that widens the search. Set
// TOVIK_MONKEY_SEED to replay only the seed that failed.
void TestMonkey::programSurvivesRandomInput_data()
{
    QTest::addColumn<std::uint32_t>("seed");
    if (qEnvironmentVariableIsSet("TOVIK_MONKEY_SEED")) {
        QTest::newRow("replayed seed")
                << std::uint32_t(qEnvironmentVariable("TOVIK_MONKEY_SEED").toUInt());
        return;
    }
    QTest::newRow("fixed seed") << FixedSeed;
    QTest::newRow("fresh seed") << QRandomGenerator::system()->generate();
}

// Runs the whole program again and again under random input until the monkey has used up its
// actions. Fails on an error box, on a warning from Qt and when no game gets to its end.
void TestMonkey::programSurvivesRandomInput()
{
    QFETCH(const std::uint32_t, seed);
    qInfo("monkey seed %u (replay with TOVIK_MONKEY_SEED=%u)", seed, seed);

    QTemporaryDir dir;
    Monkey monkey(seed, ActionsPerSeed);
    const WarningWatch warnings(monkey);
    const HangGuard guard(monkey.progress(), seed);
    // Its actions carry on from one run of the program into the next.
    monkey.start();
    int runs = 0;
    while (!monkey.finished()) {
        const QString settingsPath = dir.filePath(QStringLiteral("settings.cfg"));
        {
            MainWindows windows;
            windows.session().setSettingsPath(settingsPath);
            monkey.playIn(&windows);
            processRandom().setSeed(seed + std::uint32_t(runs));
            runMainWindows(windows);
            monkey.playIn(nullptr);
        }
        ++runs;
        QVERIFY2(monkey.fault().isEmpty(),
                 qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(monkey.fault())));
        QVERIFY2(runHandler([&] { loadSettingsFile(settingsPath); }),
                 qPrintable(QStringLiteral("settings.cfg does not load after run %1 with seed %2")
                                    .arg(runs)
                                    .arg(seed)));
    }
    qInfo("%d actions over %d runs of the program; %d games ended, %d of them with a record; "
          "the longest game scored %d turns",
          monkey.done(), runs, monkey.gamesEnded(), monkey.recordWindows(), monkey.mostTurns());
    QVERIFY2(monkey.gamesEnded() > 0, "no game got to its end");
    QVERIFY2(monkey.recordWindows() > 0, "no game ended in the Highest Score window");
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
