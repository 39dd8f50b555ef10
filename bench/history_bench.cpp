// Measures the game history: what writing a game costs the UI thread, what it costs the
// history's own thread, and how long the Statistics window takes to open on 10,000 games.
// Prints one line per figure; timings are medians.

#include "base/programmodules.h"
#include "game/random.h"
#include "history/history.h"
#include "history/historystore.h"
#include "players/session.h"
#include "windows/statisticswindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int HistoryGames = 10000;
constexpr int WrittenGames = 200;
constexpr int WindowOpenings = 5;
constexpr std::uint32_t Seed = 20261209;

double medianOf(std::vector<double> samples)
{
    std::nth_element(samples.begin(), samples.begin() + std::ptrdiff_t(samples.size() / 2),
                     samples.end());
    return samples[samples.size() / 2];
}

double millisecondsSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The CPU time of every thread of this process, which a busy machine does not stretch as it
// stretches the wall clock.
double processCpuMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// A game with plausible points in every column and a log as long as a real game's.
GameRecord seededGame(RandomGenerator &random, int number)
{
    static const QStringList players = {u"Ann"_s, u"Bob"_s, u"Cy"_s};
    GameRecord game;
    game.player = players[random.next(int(players.size()))];
    game.startedAt
            = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(number) * 600);
    game.endedAt = game.startedAt.addSecs(240 + random.next(300));
    game.finished = random.next(10) > 0;
    qint32 upper = 0;
    for (int category = 0; category < CategoryCount; ++category) {
        const qint32 points = category < 6 ? (category + 1) * random.next(5)
                                           : (random.next(4) == 0 ? 0 : 10 + random.next(30));
        game.points[std::size_t(category)] = points;
        game.score += points;
        if (category < 6)
            upper += points;
    }
    game.upperBonus = upper >= 63 ? 35 : 0;
    game.score += game.upperBonus;
    for (int action = 0; action < 40; ++action)
        game.log += u"r%1%2%3%4%5 "_s.arg(random.next(6) + 1)
                            .arg(random.next(6) + 1)
                            .arg(random.next(6) + 1)
                            .arg(random.next(6) + 1)
                            .arg(random.next(6) + 1);
    if (game.finished && random.next(2) == 0)
        game.coachCost = CoachCost {random.next(4000) / 100.0, 30 + random.next(10)};
    return game;
}

void benchmarkWriting(const QString &path)
{
    RandomGenerator random(Seed);
    History history(path);
    QSignalSpy written(&history, &History::gameWritten);
    std::vector<double> calls;
    QElapsedTimer all;
    all.start();
    for (int number = 0; number < WrittenGames; ++number) {
        const GameRecord game = seededGame(random, number);
        QElapsedTimer call;
        call.start();
        history.write(game);
        calls.push_back(millisecondsSince(call));
    }
    while (written.size() < WrittenGames)
        written.wait();
    std::printf("writing a game, UI thread: %.3f ms median, %.3f ms at most over %d games\n",
                medianOf(calls), *std::max_element(calls.begin(), calls.end()), WrittenGames);
    std::printf("writing a game, history thread, one transaction on disk: %.2f ms on average\n",
                millisecondsSince(all) / WrittenGames);
}

void fillHistory(const QString &path)
{
    RandomGenerator random(Seed);
    HistoryStore store(path);
    QElapsedTimer timer;
    timer.start();
    for (int number = 0; number < HistoryGames; ++number)
        store.write(seededGame(random, number));
    std::printf("filled a history with %d seeded games in %.1f s\n", HistoryGames,
                millisecondsSince(timer) / 1000);
}

void benchmarkStatisticsWindow(const QString &path)
{
    Session session;
    session.setPlayerName(u"Ann"_s);
    History history(path);
    std::vector<double> toShown;
    std::vector<double> onUiThread;
    std::vector<double> cpu;
    QElapsedTimer timer;
    double arrived = 0;
    // Connected before any window, so that it runs before the window shows the games.
    QObject::connect(&history, &History::gamesLoaded, [&] { arrived = millisecondsSince(timer); });
    for (int opening = 0; opening < WindowOpenings; ++opening) {
        timer.start();
        const double cpuAtStart = processCpuMilliseconds();
        StatisticsWindow window(session, history);
        QSignalSpy shown(&window, &StatisticsWindow::gamesShown);
        window.show();
        shown.wait(10000);
        window.repaint();
        toShown.push_back(millisecondsSince(timer));
        onUiThread.push_back(toShown.back() - arrived);
        cpu.push_back(processCpuMilliseconds() - cpuAtStart);
    }
    std::printf("Statistics window on %d games, from opening to figures, list and charts "
                "painted: %.0f ms median (goal <= 300), of which %.0f ms showing them on the UI "
                "thread; %.0f ms of CPU time\n",
                HistoryGames, medianOf(toShown), medianOf(onUiThread), medianOf(cpu));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    findProgramModulesIn(QCoreApplication::applicationDirPath() + u"/.."_s);
    QTemporaryDir dir;
    benchmarkWriting(dir.filePath(u"written.sqlite"_s));
    // Ten thousand synced transactions would take minutes on a disk; in memory the file is
    // filled by the same writes in seconds, and read as fast as a disk's cached file.
    QTemporaryDir memory(u"/dev/shm/tovik-bench-XXXXXX"_s);
    const QString path = memory.filePath(u"history.sqlite"_s);
    fillHistory(path);
    benchmarkStatisticsWindow(path);
    return 0;
}
