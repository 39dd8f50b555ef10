#include "players/session.h"
#include "players/settings.h"
#include "players/writeinchild.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray AnnAndBob
        = "color1=clRed\r\ncolor2=clNavy\r\nanimation=1\r\nname=Ann\r\nname=Bob\r\n"
          "hname=Ann\r\nhscore=200\r\n";
// The same size as AnnAndBob, with a name of the same length in Bob's place.
const QByteArray AnnAndCyd
        = "color1=clRed\r\ncolor2=clNavy\r\nanimation=1\r\nname=Ann\r\nname=Cyd\r\n"
          "hname=Ann\r\nhscore=200\r\n";
// What Bob's copy of the game writes first, before the names it did not hold.
const QByteArray BobsStart
        = "color1=clRed\r\ncolor2=clNavy\r\nanimation=1\r\nname=Bob\r\nname=Ann\r\n";

enum class Rewrite { Replaced, InPlace };

// Rewrites the file as another program would, and gives it the modification time it had before,
// moved by the shift.
void rewrite(const QString &path, const QByteArray &text, Rewrite how, qint64 shiftNanoseconds)
{
    const QByteArray file = QFile::encodeName(path);
    struct stat before = {};
    QCOMPARE(::stat(file.constData(), &before), 0);
    if (how == Rewrite::Replaced) {
        writeFileContents(path + u".new"_s, text);
        QVERIFY(::rename(QFile::encodeName(path + u".new"_s).constData(), file.constData()) == 0);
    } else {
        writeFileContents(path, text);
    }
    const qint64 nanoseconds = before.st_mtim.tv_nsec + shiftNanoseconds;
    const timespec times[2]
            = {{0, UTIME_OMIT},
               {before.st_mtim.tv_sec + nanoseconds / 1'000'000'000, nanoseconds % 1'000'000'000}};
    QCOMPARE(::utimensat(AT_FDCWD, file.constData(), times, 0), 0);
}

enum class ReadFailure { NoPermission, InOutError };

} // namespace

// What a save does with a file that is no longer what the session read: it takes in what
// someone else saved meanwhile, and never writes over what it could not read.
class TestSettingsSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void changedFileIsMergedIntoTheSave_data();
    void changedFileIsMergedIntoTheSave();
    void unreadableFileIsKeptBesideTheSave_data();
    void unreadableFileIsKeptBesideTheSave();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestSettingsSave::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(u"settings.cfg"_s);
    writeFileContents(m_path, AnnAndBob);
}

void TestSettingsSave::changedFileIsMergedIntoTheSave_data()
{
    QTest::addColumn<QByteArray>("onDisk");
    QTest::addColumn<Rewrite>("how");
    QTest::addColumn<qint64>("shiftNanoseconds");
    QTest::addColumn<int>("bobsRecord");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("another copy's names and higher record, this copy's colours")
            << QByteArray("color1=clLime\r\ncolor2=clLime\r\nanimation=0\r\nname=Cy\r\nname=Ann\r\n"
                          "hname=Cy\r\nhscore=300\r\n")
            << Rewrite::Replaced << qint64(1'000'000'000) << 0
            << BobsStart + "name=Cy\r\nhname=Cy\r\nhscore=300\r\n";
    QTest::newRow("a lower record on disk")
            << QByteArray("name=Dee\r\nhname=Dee\r\nhscore=250\r\n") << Rewrite::Replaced
            << qint64(1'000'000'000) << 400
            << BobsStart + "name=Dee\r\nhname=Bob\r\nhscore=400\r\n";
    QTest::newRow("replaced by a file of the same size and time")
            << AnnAndCyd << Rewrite::Replaced << qint64(0) << 0
            << BobsStart + "name=Cyd\r\nhname=Ann\r\nhscore=200\r\n";
    QTest::newRow("rewritten in place to another size at the same time")
            << AnnAndBob + "name=Cy\r\n"
            << Rewrite::InPlace << qint64(0) << 0
            << BobsStart + "name=Cy\r\nhname=Ann\r\nhscore=200\r\n";
    QTest::newRow("rewritten in place to the same size a nanosecond later")
            << AnnAndCyd << Rewrite::InPlace << qint64(1) << 0
            << BobsStart + "name=Cyd\r\nhname=Ann\r\nhscore=200\r\n";
}

void TestSettingsSave::changedFileIsMergedIntoTheSave()
{
    QFETCH(QByteArray, onDisk);
    QFETCH(Rewrite, how);
    QFETCH(qint64, shiftNanoseconds);
    QFETCH(int, bobsRecord);
    QFETCH(QByteArray, saved);

    Session session;
    session.setSettingsPath(m_path);
    loadSettings(session);
    session.setPlayerName(u"Bob"_s);
    if (bobsRecord > 0) {
        session.setRecordHolder(u"Bob"_s);
        session.setRecordScore(bobsRecord);
    }
    rewrite(m_path, onDisk, how, shiftNanoseconds);

    saveSettings(session);
    QCOMPARE(fileContents(m_path), saved);
    // The session holds what it wrote, so that its next save keeps it.
    saveSettings(session);
    QCOMPARE(fileContents(m_path), saved);
}

void TestSettingsSave::unreadableFileIsKeptBesideTheSave_data()
{
    QTest::addColumn<ReadFailure>("failure");
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("nameTaken");
    QTest::addColumn<QString>("keptName");

    QTest::newRow("no permission to read")
            << ReadFailure::NoPermission << true << false << u"settings.cfg.unreadable"_s;
    QTest::newRow("input/output error")
            << ReadFailure::InOutError << true << false << u"settings.cfg.unreadable"_s;
    QTest::newRow("the first name taken")
            << ReadFailure::NoPermission << true << true << u"settings.cfg.unreadable.1"_s;
    QTest::newRow("nowhere to keep it") << ReadFailure::NoPermission << false << false << QString();
}

void TestSettingsSave::unreadableFileIsKeptBesideTheSave()
{
    QFETCH(ReadFailure, failure);
    QFETCH(bool, folderWritable);
    QFETCH(bool, nameTaken);
    QFETCH(QString, keptName);

    const QByteArray playersOwn = "the player's own file\n";
    const QString taken = m_dir->filePath(u"settings.cfg.unreadable"_s);
    if (nameTaken)
        writeFileContents(taken, playersOwn);
    // Anyone may write the file, but only its owner, root, may read it.
    QCOMPARE(::chmod(QFile::encodeName(m_path).constData(), 0622), 0);
    QCOMPARE(::chmod(QFile::encodeName(m_dir->path()).constData(), folderWritable ? 0777 : 0555),
             0);

    const auto setUp = [failure] {
        return failure == ReadFailure::NoPermission ? becomeNobody()
                                                    : failSystemCall(__NR_read, EIO);
    };
    const QString error = errorInChild(setUp, [this] {
        Session session;
        session.setSettingsPath(m_path);
        errorOf([&] { loadSettings(session); });
        session.setPlayerName(u"Bob"_s);
        saveSettings(session);
    });
    QCOMPARE(::chmod(QFile::encodeName(m_dir->path()).constData(), 0700), 0);

    if (keptName.isEmpty()) {
        QCOMPARE(error,
                 u"The settings file %1 could not be read and could not be kept under another "
                 u"name (File access denied), so nothing was saved"_s.arg(m_path));
        QCOMPARE(fileContents(m_path), AnnAndBob);
        return;
    }
    const QString kept = m_dir->filePath(keptName);
    QCOMPARE(error,
             u"The settings file could not be read, so it was kept as %1 before the new settings "
             u"were saved"_s.arg(kept));
    QCOMPARE(fileContents(kept), AnnAndBob);
    QCOMPARE(fileContents(m_path),
             "color1=clBlack\r\ncolor2=clBlack\r\nanimation=0\r\nname=Bob\r\n");
    if (nameTaken)
        QCOMPARE(fileContents(taken), playersOwn);
}

QTEST_APPLESS_MAIN(TestSettingsSave)
#include "tst_settingssave.moc"
