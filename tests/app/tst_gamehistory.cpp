#include "app/historynotices.h"
#include "app/startup.h"
#include "base/clock.h"
#include "base/programmodules.h"
#include "game/random.h"
#include "history/history.h"
#include "history/historystore.h"
#include "messageboxanswers.h"
#include "players/settingslocation.h"
#include "programfixture.h"
#include "testfiles.h"
#include "windows/highscorewindow.h"
#include "windows/reviewwindow.h"
#include "windows/rollpacing.h"
#include "windows/statisticswindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

enum class Leaving { LastCommit, NewGameItem, DifferentPlayer, Close };

const QByteArray AnnsSettings = "color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\nname=Ann\r\n";

// Every game in a history that no program has open, oldest first.
QList<GameRecord> gamesIn(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    HistoryStore store(path);
    QList<GameRecord> games = store.games();
    std::sort(games.begin(), games.end(), [](auto &a, auto &b) { return a.id < b.id; });
    return games;
}

} // namespace

// The games of a run in the history: which are kept, with what, and where; the Statistics window
// that shows them; and what the player is told when the history fails.
class TestGameHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void gamesAreKeptFinishedOrLeft_data();
    void gamesAreKeptFinishedOrLeft();
    void coachCostIsFilledInForEveryFinishedGame();
    void statisticsShowTheGamesOfTheCurrentPlayer();
    void historyFollowsTheSettingsFile_data();
    void historyFollowsTheSettingsFile();
    void unwritableHistoryIsToldOnceAndTheGamePlaysOn();
    void noticeWaitsUntilTheDiceSettle();

private:
    void startGameAs(const QString &name);
    // Scores the next turns in the first open categories, each at its first roll. A game played
    // to its end leaves the Highest Score window without a new record.
    void playTurns(int turns);
    GameWindow &gameWindow() { return *m_program.gameWindow(); }
    // The games as the run's history reads them, newest first.
    QList<GameRecord> gamesOfTheRun();

    ProgramFixture m_program;
    QDateTime m_now;
};

void TestGameHistory::initTestCase()
{
    setUpApplication();
    RollPacing::setEnabled(false);
    findProgramModulesIn(QStringLiteral(TOVIK_BUILD_FOLDER));
}

void TestGameHistory::init()
{
    m_program.start();
    processRandom().setSeed(20261210);
    // A minute passes at each reading, so that every game starts after the one before.
    m_now = QDateTime(QDate(2026, 12, 10), QTime(9, 30), Qt::UTC);
    Clock::set([this] { return m_now = m_now.addSecs(60); });
}

void TestGameHistory::cleanup()
{
    m_program.stop();
    nameSettingsFile(QString());
    Clock::set({});
}

void TestGameHistory::startGameAs(const QString &name)
{
    m_program.welcomeWindow()->show();
    m_program.welcomeControl<QLineEdit>(u"nameEdit"_s)->setText(name);
    m_program.welcomeControl<QPushButton>(u"playButton"_s)->click();
    QVERIFY(gameWindow().isVisible());
}

void TestGameHistory::playTurns(int turns)
{
    const ModalAnswer<HighScoreWindow> record([](HighScoreWindow *window) { window->reject(); });
    for (int turn = 0; turn < turns; ++turn) {
        const Position &position = gameWindow().game().position();
        int category = 0;
        while (position.isUsed(Category(category)))
            ++category;
        gameWindow().selectCategory(Category(category));
        m_program.gameControl<QPushButton>(u"rollButton"_s)->click();
    }
}

QList<GameRecord> TestGameHistory::gamesOfTheRun()
{
    History &history = m_program.windows().history();
    QSignalSpy loaded(&history, &History::gamesLoaded);
    history.loadGames();
    if (!loaded.wait())
        return {};
    return loaded.first().first().value<QList<GameRecord>>();
}

void TestGameHistory::gamesAreKeptFinishedOrLeft_data()
{
    QTest::addColumn<Leaving>("leaving");
    QTest::addColumn<int>("turns");
    // The players of the games kept, oldest first: the one left, and the one that follows it.
    QTest::addColumn<QStringList>("players");

    QTest::newRow("played to the end") << Leaving::LastCommit << 13 << QStringList {u"Ann"_s};
    QTest::newRow("New in the middle")
            << Leaving::NewGameItem << 4 << QStringList {u"Ann"_s, u"Ann"_s};
    QTest::newRow("another player")
            << Leaving::DifferentPlayer << 4 << QStringList {u"Ann"_s, u"Bob"_s};
    QTest::newRow("the program closed") << Leaving::Close << 4 << QStringList {u"Ann"_s};
}

void TestGameHistory::gamesAreKeptFinishedOrLeft()
{
    QFETCH(Leaving, leaving);
    QFETCH(int, turns);
    QFETCH(QStringList, players);

    const MessageBoxAnswers answers({u"&Yes"_s});
    startGameAs(u"Ann"_s);
    playTurns(turns);
    const Position left = gameWindow().game().position();
    switch (leaving) {
    case Leaving::LastCommit:
        break;
    case Leaving::NewGameItem:
        m_program.gameControl<QAction>(u"newGameAction"_s)->trigger();
        break;
    case Leaving::DifferentPlayer:
        m_program.gameControl<QAction>(u"differentPlayerAction"_s)->trigger();
        startGameAs(u"Bob"_s);
        break;
    case Leaving::Close:
        gameWindow().close();
        break;
    }
    m_program.endRun();

    const QList<GameRecord> games = gamesIn(m_program.filePath(u"history.sqlite"_s));
    QStringList kept;
    for (const GameRecord &game : games)
        kept.append(game.player);
    QCOMPARE(kept, players);
    const GameRecord &game = games.first();
    QCOMPARE(game.finished, leaving == Leaving::LastCommit);
    QCOMPARE(game.score, left.score);
    QCOMPARE(game.pointsIn(Category(turns - 1)),
             std::optional(left.categoryPoints[std::size_t(turns - 1)]));
    // The game that followed was left by the close, after its first roll.
    if (games.size() == 2)
        QVERIFY(!games[1].finished && games[1].score == 0);
    QCOMPARE(fileContents(m_program.filePath(u"settings.cfg"_s)),
             leaving == Leaving::DifferentPlayer
                     ? "color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\nname=Bob\r\n"
                     : AnnsSettings);
}

// One solve of the coach values both the game of an earlier run and the game of this one; it
// takes a good part of a minute in the sanitizers' build.
void TestGameHistory::coachCostIsFilledInForEveryFinishedGame()
{
    // Each turn scores five ones at the first roll: thirteen commits and no holds.
    QString earlierLog = u"v1"_s;
    for (int category = 0; category < CategoryCount; ++category)
        earlierLog += u" r11111 s%1 c"_s.arg(category);
    {
        HistoryStore store(m_program.filePath(u"history.sqlite"_s));
        for (const QString &log : {earlierLog, u"v1 r1111 s0 c"_s}) {
            GameRecord game;
            game.player = u"Ann"_s;
            game.startedAt = QDateTime(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC);
            game.endedAt = game.startedAt.addSecs(300);
            game.finished = true;
            game.log = log;
            QCOMPARE(store.write(game).size(), 1);
        }
    }
    startGameAs(u"Ann"_s);
    playTurns(13);

    // By number: the earlier run's game, its unreadable one, and this run's game.
    QMap<qint64, GameRecord> games;
    const auto costsKnown = [&] {
        games.clear();
        for (const GameRecord &game : gamesOfTheRun())
            games.insert(game.id, game);
        return games.size() == 3 && games[1].coachCost && games[3].coachCost;
    };
    QTRY_VERIFY_WITH_TIMEOUT(costsKnown(), 150000);
    for (const qint64 id : {1, 3}) {
        QVERIFY(games[id].coachCost->total >= 0.0);
        QCOMPARE(games[id].coachCost->choices, 13);
    }
    QVERIFY(!games[2].coachCost);
}

void TestGameHistory::statisticsShowTheGamesOfTheCurrentPlayer()
{
    startGameAs(u"Ann"_s);
    playTurns(13);
    gameWindow().newGame();
    playTurns(2);
    gameWindow().newGame();

    QString player;
    QStringList finished;
    QString reviewTitle;
    bool reviewOverList = false;
    ModalAnswer<StatisticsWindow> answer([&](StatisticsWindow *statistics) {
        auto *games = control<QTreeWidget>(statistics, u"gamesList"_s);
        if (!QTest::qWaitFor([&] { return games->topLevelItemCount() == 2; }))
            return statistics->reject();
        player = control<QComboBox>(statistics, u"playerChoice"_s)->currentText();
        for (int row = 0; row < games->topLevelItemCount(); ++row)
            finished.append(games->topLevelItem(row)->text(3));
        // "Review" loads the chosen game from the history and opens its review over the list.
        ModalAnswer<ReviewWindow> review([&](ReviewWindow *window) {
            reviewTitle = window->windowTitle();
            reviewOverList = window->parentWidget() == statistics;
            window->reject();
        });
        games->setCurrentItem(games->topLevelItem(1));
        control<QPushButton>(statistics, u"reviewButton"_s)->click();
        Q_UNUSED(QTest::qWaitFor([&] { return review.answered(); }));
        statistics->reject();
    });
    auto *item = m_program.gameControl<QAction>(u"statisticsAction"_s);
    QCOMPARE(item->text(), u"&Statistics..."_s);
    const QList<QAction *> items = m_program.gameControl<QMenu>(u"gameMenu"_s)->actions();
    QCOMPARE(items.indexOf(item),
             items.indexOf(m_program.gameControl<QAction>(u"highestScoreAction"_s)) + 1);
    item->trigger();
    QVERIFY(answer.answered());
    QCOMPARE(player, u"Ann"_s);
    QCOMPARE(finished, QStringList({u"no"_s, u"yes"_s}));
    QCOMPARE(reviewTitle, u"Game Review"_s);
    QVERIFY(reviewOverList);
}

void TestGameHistory::historyFollowsTheSettingsFile_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("named");
    QTest::addColumn<QString>("history");

    QTest::newRow("beside the program")
            << u"bin/settings.cfg"_s << false << u"bin/history.sqlite"_s;
    QTest::newRow("named") << u"mine/ann.cfg"_s << true << u"mine/history.sqlite"_s;
    QTest::newRow("in the configuration folder")
            << u"config/tovik/settings.cfg"_s << false << u"data/tovik/history.sqlite"_s;
    QTest::newRow("named, in the configuration folder")
            << u"config/tovik/settings.cfg"_s << true << u"config/tovik/history.sqlite"_s;
}

void TestGameHistory::historyFollowsTheSettingsFile()
{
    QFETCH(QString, settings);
    QFETCH(bool, named);
    QFETCH(QString, history);

    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_program.filePath(u"config"_s)));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_program.filePath(u"data"_s)));
    const QString settingsPath = m_program.filePath(settings);
    QVERIFY(QDir().mkpath(QFileInfo(settingsPath).path()));
    if (named)
        nameSettingsFile(settingsPath);
    m_program.session().setSettingsPath(settingsPath);
    startGameAs(u"Ann"_s);
    playTurns(1);
    gameWindow().close();
    m_program.endRun();
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");

    QCOMPARE(gamesIn(m_program.filePath(history)).size(), 1);
    QCOMPARE(fileContents(settingsPath), AnnsSettings);
}

// Root may write any file, but no one opens a folder as a database.
void TestGameHistory::unwritableHistoryIsToldOnceAndTheGamePlaysOn()
{
    const QString historyPath = m_program.filePath(u"history.sqlite"_s);
    QVERIFY(QDir().mkpath(historyPath));
    const MessageBoxAnswers answers({u"OK"_s});
    startGameAs(u"Ann"_s);
    m_program.gameControl<QAction>(u"animationAction"_s)->trigger();
    playTurns(2);
    for (int left = 0; left < 2; ++left) {
        m_program.gameControl<QAction>(u"newGameAction"_s)->trigger();
        QTRY_COMPARE(answers.boxes().size(), 1);
    }
    playTurns(13);
    QVERIFY(gameWindow().game().isOver());

    QTest::qWait(100);
    QCOMPARE(answers.boxes().size(), 1);
    const MessageBoxAnswers::Box &box = answers.boxes().first();
    QCOMPARE(box.title, u"Tovik"_s);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QVERIFY2(box.text.contains(historyPath) && box.text.contains(u"could not be written"_s),
             qPrintable(box.text));
}

void TestGameHistory::noticeWaitsUntilTheDiceSettle()
{
    HistoryNotices notices(gameWindow());
    const MessageBoxAnswers answers({u"OK"_s});
    startGameAs(u"Ann"_s);
    m_program.gameControl<QAction>(u"animationAction"_s)->trigger();
    bool toldWhileRolling = false;
    QTimer::singleShot(0, &gameWindow(), [&] {
        toldWhileRolling = gameWindow().isRolling();
        notices.tell(u"The history is in trouble."_s);
        notices.tell(u"The history is in trouble."_s);
    });
    // A box shown inside the roll would have been answered before the roll ended.
    m_program.gameControl<QPushButton>(u"rollButton"_s)->click();
    QVERIFY(toldWhileRolling);
    QCOMPARE(answers.boxes().size(), 0);
    QTRY_COMPARE(answers.boxes().size(), 1);
    QTest::qWait(50);
    QCOMPARE(answers.texts(), QStringList {u"The history is in trouble."_s});
}

QTEST_MAIN(TestGameHistory)
#include "tst_gamehistory.moc"
