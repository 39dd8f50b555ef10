#include "game/random.h"
#include "players/settingsfile.h"
#include "players/writeinchild.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

constexpr int Kills = 100;
constexpr int WindowInWriterLives = 2;

// Two versions of a file with a long roster, so that one write takes long enough to be caught
// in the middle by a kill.
QStringList versionLines(const QString &tag, int names)
{
    QStringList lines = {u"color1=clRed"_s, u"color2=clNavy"_s, u"animation=1"_s};
    for (int i = 0; i < names; ++i)
        lines << u"name=%1 player %2"_s.arg(tag).arg(i);
    return lines;
}

QByteArray fileText(const QStringList &lines)
{
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

// Microseconds from the fork of a writer that saves once to its end.
int lifeOfOneSave(const QString &path, const QStringList &lines)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        writeSettingsFile(path, lines);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return int(timer.nsecsElapsed() / 1000);
}

} // namespace

// A save either replaces the whole file or leaves the old one whole: never a mix, never a cut.
class TestCrashSafeSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWriterLeavesTheOldOrTheNewFile();
    void writeCutShortByAFullDiskKeepsTheOldFile();
};

void TestCrashSafeSave::killedWriterLeavesTheOldOrTheNewFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"settings.cfg"_s);
    const QStringList oldLines = versionLines(u"old"_s, 1500);
    const QStringList newLines = versionLines(u"new"_s, 3000);
    writeSettingsFile(path, oldLines);
    const QByteArray oldText = fileText(oldLines);
    const QByteArray newText = fileText(newLines);

    // Kills fall anywhere in a few lives of a writer that saves once, on this machine: before,
    // during and after the first and later saves of the writer below.
    const int window = WindowInWriterLives * lifeOfOneSave(path, newLines);
    writeSettingsFile(path, oldLines);
    RandomGenerator delays(20261208);
    int sawOld = 0;
    int sawNew = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            for (bool writeNew = true;; writeNew = !writeNew)
                writeSettingsFile(path, writeNew ? newLines : oldLines);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delays.next(window)));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);

        const QByteArray text = fileContents(path);
        QVERIFY2(text == oldText || text == newText,
                 qPrintable(u"kill %1 left %2 bytes"_s.arg(kill).arg(text.size())));
        sawOld += text == oldText;
        sawNew += text == newText;
    }
    qInfo("old file after %d, new file after %d of %d kills within %d us", sawOld, sawNew, Kills,
          window);
    QVERIFY(sawOld > 0);
    QVERIFY(sawNew > 0);

    writeSettingsFile(path, oldLines);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {u"settings.cfg"_s});
}

void TestCrashSafeSave::writeCutShortByAFullDiskKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"settings.cfg"_s);
    const QStringList oldLines = versionLines(u"old"_s, 2);
    const QStringList newLines = versionLines(u"new"_s, 40);
    const QByteArray newSize = fileText(newLines);

    // Every cut point from an empty file to one byte short of the whole new file.
    for (rlim_t limit = 0; limit < rlim_t(newSize.size()); limit += 7) {
        writeSettingsFile(path, oldLines);
        const auto fillDiskAt = [limit] {
            const rlimit fileSize{limit, limit};
            return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR
                    && setrlimit(RLIMIT_FSIZE, &fileSize) == 0;
        };
        QCOMPARE(errorOfWriteInChild(fillDiskAt, path, newLines), u"Disk full"_s);
        QCOMPARE(fileContents(path), fileText(oldLines));
    }
}

QTEST_APPLESS_MAIN(TestCrashSafeSave)
#include "tst_crashsafesave.moc"
