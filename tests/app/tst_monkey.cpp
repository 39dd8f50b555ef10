#include "app/mainwindow.h"
#include "app/startup.h"
#include "app/errors.h"
#include "game/random.h"
#include "game/rollpacing.h"
#include "players/settingsfile.h"
#include "players/settingslines.h"
#include "players/sharedstate.h"
#include "players/welcomewindow.h"
#include "widgets/kitpanelfill.h"
#include "widgets/kitsimplelabel.h"
#include "widgets/transparentimage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr int DefaultActions = 40000;
constexpr std::uint32_t DefaultSeed = 20261208;

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
            || qobject_cast<const TKitPanelFill *>(widget)
            || qobject_cast<const TKitSimpleLabel *>(widget);
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
class Monkey : public QObject
{
public:
    Monkey(std::uint32_t seed, int actions) : m_random(seed), m_budget(actions) { }

    void start() { QTimer::singleShot(0, this, &Monkey::act); }
    int done() const { return m_done; }
    int mostTurns() const { return m_mostTurns; }
    bool finished() const { return m_done >= m_budget; }

private:
    int chance(int n) { return m_random.next(n); }

    void act()
    {
        if (finished()) {
            endProgram();
            return;
        }
        ++m_done;
        QTimer::singleShot(0, this, &Monkey::act);
        m_mostTurns = std::max(m_mostTurns, Form1->game().TurnsScored);

        if (QWidget *popup = QApplication::activePopupWidget()) {
            if (chance(2) == 0)
                QTest::keyClick(popup, Qt::Key_Escape);
            else
                clickInside(popup);
            return;
        }
        QWidget *window = QApplication::activeModalWidget();
        if (!window) {
            window = pickMainWindow();
            if (!window)
                return;
            if (window == Form1 && chance(8) == 0) {
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
        for (QWidget *window : {static_cast<QWidget *>(Form1), static_cast<QWidget *>(Form3)}) {
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
            if (child->isVisible() && child->isEnabled() && (!interactiveOnly || isInteractive(child)))
                targets.append(child);
        }
        QWidget *target = targets.isEmpty() ? window : targets.at(chance(int(targets.size())));
        // Leaving the program is rare, so that games get played between two starts.
        if (target == Form3->Button2 && chance(50) != 0)
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
        for (QMenu *menu : {Form1->Game1, Form1->Options1, Form1->Help1}) {
            if (!menu->menuAction()->isEnabled())
                continue;
            for (QAction *action : menu->actions()) {
                if (action->isEnabled() && (action != Form1->Exit1 || chance(50) == 0))
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
            modal->close();
        } else {
            if (Form1->isVisible() && !Form1->isRolling())
                Form1->close();
            else if (!Form1->isVisible())
                Form3->Button2->click();
        }
        QTimer::singleShot(0, this, &Monkey::endProgram);
    }

    RandomGenerator m_random;
    int m_budget;
    int m_done = 0;
    int m_mostTurns = 0;
};

class TestMonkey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programSurvivesRandomInput();
};

// Runs the whole program again and again under random input until the monkey has used up its
// actions. Set TOVIK_MONKEY_SEED to replay a seed that failed.
void TestMonkey::programSurvivesRandomInput()
{
    const std::uint32_t seed = qEnvironmentVariableIsSet("TOVIK_MONKEY_SEED")
            ? std::uint32_t(qEnvironmentVariableIntValue("TOVIK_MONKEY_SEED"))
            : DefaultSeed;
    qInfo("monkey seed %u (replay with TOVIK_MONKEY_SEED=%u)", seed, seed);

    QTemporaryDir dir;
    RollPacing::setEnabled(false);
    setUpApplication();
    Monkey monkey(seed, DefaultActions);
    // Its actions carry on from one run of the program into the next.
    monkey.start();
    int runs = 0;
    while (!monkey.finished()) {
        createMainWindows();
        SettingsPath = dir.filePath(QStringLiteral("settings.cfg"));
        processRandom().setSeed(seed + std::uint32_t(runs));
        runMainWindows();
        ++runs;
        QVERIFY2(runHandler([&] { loadSettingsFile(SettingsPath); }),
                 qPrintable(QStringLiteral("settings.cfg does not load after run %1 with seed %2")
                                    .arg(runs)
                                    .arg(seed)));
    }
    qInfo("%d actions over %d runs of the program; the longest game scored %d turns",
          monkey.done(), runs, monkey.mostTurns());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
