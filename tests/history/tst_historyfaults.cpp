#include "game/random.h"
#include "history/historystore.h"
#include "historytesting.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr uid_t NobodyId = 65534;
constexpr int Kills = 25;
constexpr int GamesPerCopy = 40;
constexpr int GamesPerLife = 10;

// Root passes every permission check, so a child that meets one gives up root first.
bool becomeNobody()
{
    return geteuid() != 0
            || (setgroups(0, nullptr) == 0 && setgid(NobodyId) == 0 && setuid(NobodyId) == 0);
}

// Runs the work in a child process and returns the text it passes back, or a note that it
// failed to pass one.
QByteArray textFromChild(const std::function<QByteArray()> &work)
{
    int channel[2];
    if (pipe(channel) != 0)
        return "no pipe to the child";
    const pid_t child = fork();
    if (child == 0) {
        ::close(channel[0]);
        const QByteArray text = work();
        const bool passed
                = ::write(channel[1], text.constData(), size_t(text.size())) == text.size();
        _exit(passed ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray text;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return "the child ended without passing its result";
    return text;
}

// The players of the games in the file, oldest first.
QStringList playersIn(const QString &path)
{
    HistoryStore store(path);
    QStringList players;
    for (const GameRecord &game : store.games())
        players.prepend(game.player);
    return players;
}

// Microseconds from the fork of a writer of a few games to its end.
int lifeOfAFewGames(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        HistoryStore store(path);
        for (int game = 0; game < GamesPerLife; ++game)
            store.write(sampleGame(u"warm-up"_s, game));
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return int(timer.nsecsElapsed() / 1000);
}

enum class Fault { ReadOnlyFile, ReadOnlyFolder, FullDisk };

// Brings the fault about or mends it, from inside the child.
bool setFault(Fault fault, const QString &path, bool on)
{
    const QByteArray file = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    switch (fault) {
    case Fault::ReadOnlyFile:
        return ::chmod(file.constData(), on ? 0444 : 0644) == 0;
    case Fault::ReadOnlyFolder:
        return ::chmod(folder.constData(), on ? 0555 : 0755) == 0;
    case Fault::FullDisk: {
        // Nothing may grow: neither the file nor the journal written beside it.
        const rlimit limit {on ? 0 : RLIM_INFINITY, RLIM_INFINITY};
        return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    }
    return false;
}

} // namespace

// What the history does when its file cannot be written, is shared or is cut off by a kill.
class TestHistoryFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unwrittenGameIsWrittenAtTheNextChance_data();
    void unwrittenGameIsWrittenAtTheNextChance();
    void twoCopiesWritingAtOnceKeepEveryGame();
    void killedWriterKeepsEveryGameWrittenBefore();
};

void TestHistoryFaults::unwrittenGameIsWrittenAtTheNextChance_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");

    QTest::newRow("read-only file") << Fault::ReadOnlyFile << u"may not be written"_s;
    QTest::newRow("read-only folder") << Fault::ReadOnlyFolder << u"may not be written"_s;
    QTest::newRow("full disk") << Fault::FullDisk << u"the disk is full"_s;
}

void TestHistoryFaults::unwrittenGameIsWrittenAtTheNextChance()
{
    QFETCH(Fault, fault);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QString folder = dir.filePath(u"games"_s);
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
    // The child gives up root, if it has it, for nobody, whose folder this is.
    QVERIFY(geteuid() != 0
            || ::chown(QFile::encodeName(folder).constData(), NobodyId, NobodyId) == 0);
    const QString path = folder + u"/history.sqlite"_s;

    // Each line of the child's account: the games written at each step, then what it was told.
    const QByteArray account = textFromChild([&] {
        if (!becomeNobody())
            return QByteArray("could not become nobody");
        QByteArray lines;
        const auto write = [&](HistoryStore &store, const QString &player) {
            lines += QByteArray::number(store.write(sampleGame(player, 100)).size()) + ' ';
        };
        {
            HistoryStore before(path);
            write(before, u"Ann"_s);
        }
        if (!setFault(fault, path, true))
            return QByteArray("could not bring the fault about");
        QStringList told;
        HistoryStore store(path, [&](const QString &text) { told.append(text); });
        write(store, u"Bob"_s);
        write(store, u"Cy"_s);
        if (!setFault(fault, path, false))
            return QByteArray("could not mend the fault");
        write(store, u"Dee"_s);
        return lines + '\n' + told.join(u'\n').toUtf8();
    });
    const QList<QByteArray> lines = account.split('\n');
    QCOMPARE(lines.first(), QByteArray("1 0 0 3 "));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[1].contains(path.toUtf8()) && lines[1].contains(reason.toUtf8()),
             lines[1].constData());
    QCOMPARE(playersIn(path), QStringList({u"Ann"_s, u"Bob"_s, u"Cy"_s, u"Dee"_s}));
}

void TestHistoryFaults::twoCopiesWritingAtOnceKeepEveryGame()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"history.sqlite"_s);
    int start[2];
    QVERIFY(pipe(start) == 0);
    QList<pid_t> copies;
    for (const QString &copy : {u"left"_s, u"right"_s}) {
        const pid_t child = fork();
        if (child == 0) {
            // Both copies begin when the test closes the pipe, so that their writes interleave.
            ::close(start[1]);
            char go;
            while (::read(start[0], &go, 1) > 0) { }
            HistoryStore store(path);
            int written = 0;
            for (int game = 0; game < GamesPerCopy; ++game)
                written += int(
                        store.write(sampleGame(u"%1 %2"_s.arg(copy).arg(game), game)).size());
            _exit(written == GamesPerCopy ? 0 : 1);
        }
        copies.append(child);
    }
    ::close(start[0]);
    ::close(start[1]);
    for (const pid_t child : copies) {
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const QStringList players = playersIn(path);
    QCOMPARE(players.size(), 2 * GamesPerCopy);
    for (const QString &copy : {u"left"_s, u"right"_s}) {
        const QStringList ofCopy = players.filter(copy);
        for (int game = 0; game < GamesPerCopy; ++game)
            QCOMPARE(ofCopy[game], u"%1 %2"_s.arg(copy).arg(game));
    }
}

void TestHistoryFaults::killedWriterKeepsEveryGameWrittenBefore()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"history.sqlite"_s);
    // Kills fall anywhere in the life of a writer of a few games on this machine: while it
    // opens the file, and during and between its writes.
    const int window = lifeOfAFewGames(path);
    RandomGenerator delays(20261208);
    int reported = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        int channel[2];
        QVERIFY(pipe(channel) == 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // Tells the test of each game once its transaction is over.
            ::close(channel[0]);
            HistoryStore store(path);
            for (int game = 0;; ++game) {
                const QString player = u"kill %1 game %2"_s.arg(kill).arg(game);
                if (store.write(sampleGame(player, game)).size() == 1
                    && ::write(channel[1], "+", 1) != 1)
                    _exit(1);
            }
        }
        ::close(channel[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(delays.next(window)));
        ::kill(child, SIGKILL);
        QCOMPARE(waitpid(child, nullptr, 0), child);
        char sign;
        int written = 0;
        while (::read(channel[0], &sign, 1) == 1)
            ++written;
        ::close(channel[0]);
        reported += written;

        // Every reported game is there; the one being written when the kill came may be too.
        const QStringList players = playersIn(path).filter(u"kill %1 "_s.arg(kill));
        QVERIFY2(players.size() == written || players.size() == written + 1,
                 qPrintable(u"kill %1: %2 reported, %3 kept"_s.arg(kill).arg(written).arg(
                         players.size())));
        for (int game = 0; game < written; ++game)
            QCOMPARE(players[game], u"kill %1 game %2"_s.arg(kill).arg(game));
    }
    qInfo("%d games reported written across %d kills within %d us", reported, Kills, window);
    QVERIFY(reported > 0);
}

QTEST_GUILESS_MAIN(TestHistoryFaults)
#include "tst_historyfaults.moc"
