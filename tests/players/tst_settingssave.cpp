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

constexpr gid_t SharedGroupId = 4242;

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
const QByteArray Notes = "the player's own notes\n";

enum class Rewrite { Replaced, InPlace };
enum class ReadFailure { NoPermission, InOutError };

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// Rewrites the file as another program would, with the modification time it had before moved by
// the shift.
void rewrite(const QString &path, const QByteArray &text, Rewrite how, qint64 shift)
{
    struct stat before = {};
    QCOMPARE(::stat(encoded(path).constData(), &before), 0);
    const QString written = how == Rewrite::Replaced ? path + u".new"_s : path;
    writeFileContents(written, text);
    QCOMPARE(::rename(encoded(written).constData(), encoded(path).constData()), 0);
    const timespec times[2]
            = {{0, UTIME_OMIT}, {before.st_mtime, long(before.st_mtim.tv_nsec + shift)}};
    QCOMPARE(::utimensat(AT_FDCWD, encoded(path).constData(), times, 0), 0);
}

} // namespace

// What a save does with the file it replaces: it takes in what someone else saved there since,
// never writes over what it could not read, writes only a file of its own beside it, and leaves
// a link a link and a shared file shared.
class TestSettingsSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void changedFileIsMergedIntoTheSave_data();
    void changedFileIsMergedIntoTheSave();
    void unreadableFileIsKeptBesideTheSave_data();
    void unreadableFileIsKeptBesideTheSave();
    void savingNameIsNeverFollowedOrShared_data();
    void savingNameIsNeverFollowedOrShared();
    void linkedSettingsFileStaysALink_data();
    void linkedSettingsFileStaysALink();
    void sharedFileKeepsItsOwnerAndGroup_data();
    void sharedFileKeepsItsOwnerAndGroup();

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
    QTest::addColumn<qint64>("shift");
    QTest::addColumn<int>("bobsRecord");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("another copy's names and higher record, this copy's colours")
            << QByteArray("color1=clLime\r\nanimation=0\r\nname=Cy\r\nname=Ann\r\nhname=Cy\r\n"
                          "hscore=300\r\n")
            << Rewrite::Replaced << qint64(0) << 0
            << BobsStart + "name=Cy\r\nhname=Cy\r\nhscore=300\r\n";
    QTest::newRow("a lower record on disk")
            << QByteArray("name=Dee\r\nhname=Dee\r\nhscore=250\r\n") << Rewrite::InPlace
            << qint64(0) << 400 << BobsStart + "name=Dee\r\nhname=Bob\r\nhscore=400\r\n";
    QTest::newRow("replaced by a file of the same size and time")
            << AnnAndCyd << Rewrite::Replaced << qint64(0) << 0
            << BobsStart + "name=Cyd\r\nhname=Ann\r\nhscore=200\r\n";
    QTest::newRow("rewritten in place to the same size a nanosecond later")
            << AnnAndCyd << Rewrite::InPlace << qint64(1) << 0
            << BobsStart + "name=Cyd\r\nhname=Ann\r\nhscore=200\r\n";
}

void TestSettingsSave::changedFileIsMergedIntoTheSave()
{
    QFETCH(QByteArray, onDisk);
    QFETCH(Rewrite, how);
    QFETCH(qint64, shift);
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
    rewrite(m_path, onDisk, how, shift);

    saveSettings(session);
    QCOMPARE(fileContents(m_path), saved);
    // The session holds what it wrote, so that its next save keeps it.
    saveSettings(session);
    QCOMPARE(fileContents(m_path), saved);
}

void TestSettingsSave::unreadableFileIsKeptBesideTheSave_data()
{
    QTest::addColumn<ReadFailure>("failure");
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("nameTaken");
    QTest::addColumn<QString>("keptName");

    QTest::newRow("no permission to read")
            << ReadFailure::NoPermission << 0777 << false << u"settings.cfg.unreadable"_s;
    QTest::newRow("input/output error")
            << ReadFailure::InOutError << 0777 << false << u"settings.cfg.unreadable"_s;
    QTest::newRow("the first name taken")
            << ReadFailure::NoPermission << 0777 << true << u"settings.cfg.unreadable.1"_s;
    QTest::newRow("nowhere to keep it") << ReadFailure::NoPermission << 0555 << false << QString();
}

void TestSettingsSave::unreadableFileIsKeptBesideTheSave()
{
    QFETCH(ReadFailure, failure);
    QFETCH(int, folderMode);
    QFETCH(bool, nameTaken);
    QFETCH(QString, keptName);

    if (nameTaken)
        writeFileContents(m_path + u".unreadable"_s, Notes);
    // Anyone may write the file, but only its owner, root, may read it.
    QCOMPARE(::chmod(encoded(m_path).constData(), 0622), 0);
    QCOMPARE(::chmod(encoded(m_dir->path()).constData(), mode_t(folderMode)), 0);
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
    QCOMPARE(::chmod(encoded(m_dir->path()).constData(), 0700), 0);

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
        QCOMPARE(fileContents(m_path + u".unreadable"_s), Notes);
}

void TestSettingsSave::savingNameIsNeverFollowedOrShared_data()
{
    QTest::addColumn<bool>("symbolic");
    QTest::addColumn<bool>("dangling");

    QTest::newRow("link to a file of the player's") << true << false;
    QTest::newRow("link to no file yet") << true << true;
    QTest::newRow("second name of a file of the player's") << false << false;
}

// Whatever was left under the name of the save's own file, the save writes only a file of its own.
void TestSettingsSave::savingNameIsNeverFollowedOrShared()
{
    QFETCH(bool, symbolic);
    QFETCH(bool, dangling);

    const QString notes = m_dir->filePath(u"notes.txt"_s);
    if (!dangling)
        writeFileContents(notes, Notes);
    const auto makeLink = symbolic ? ::symlink : ::link;
    QCOMPARE(makeLink(encoded(notes).constData(), encoded(m_path + u".saving"_s).constData()), 0);

    writeSettingsFile(m_path, {u"name=Bob"_s});
    QCOMPARE(fileContents(m_path), "name=Bob\r\n");
    QCOMPARE(fileContents(notes), dangling ? QByteArray() : Notes);
    QStringList left = {u"settings.cfg"_s};
    if (!dangling)
        left.prepend(u"notes.txt"_s);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::System), left);
}

void TestSettingsSave::linkedSettingsFileStaysALink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("targetExists");

    // Relative to the link's own folder.
    QTest::newRow("link to a file") << u"../shared/settings.cfg"_s << true;
    QTest::newRow("link to no file yet") << u"../shared/settings.cfg"_s << false;
    QTest::newRow("link through a linked folder") << u"../linked/settings.cfg"_s << false;
}

void TestSettingsSave::linkedSettingsFileStaysALink()
{
    QFETCH(QString, link);
    QFETCH(bool, targetExists);

    const QDir root(m_dir->path());
    QVERIFY(root.mkdir(u"shared"_s) && root.mkdir(u"links"_s));
    QVERIFY(QFile::link(root.filePath(u"shared"_s), root.filePath(u"linked"_s)));
    const QString target = root.filePath(u"shared/settings.cfg"_s);
    if (targetExists)
        writeFileContents(target, AnnAndBob);
    const QString path = root.filePath(u"links/settings.cfg"_s);
    QCOMPARE(::symlink(encoded(link).constData(), encoded(path).constData()), 0);

    writeSettingsFile(path, {u"name=Bob"_s});
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(fileContents(target), "name=Bob\r\n");
    QCOMPARE(QDir(root.filePath(u"shared"_s)).entryList(QDir::Files),
             QStringList {u"settings.cfg"_s});
}

void TestSettingsSave::sharedFileKeepsItsOwnerAndGroup_data()
{
    QTest::addColumn<uid_t>("owner");

    QTest::newRow("saved by another member of its group") << uid_t(0);
    QTest::newRow("saved by its owner, in a group besides the owner's own") << NobodyId;
}

// The saver, nobody, is in the file's group, which may write the file and its folder.
void TestSettingsSave::sharedFileKeepsItsOwnerAndGroup()
{
    QFETCH(uid_t, owner);
    if (geteuid() != 0)
        QSKIP("Giving a file to another user takes root.");

    const QByteArray folder = encoded(m_dir->path());
    QVERIFY(::chown(folder.constData(), 0, SharedGroupId) == 0
            && ::chmod(folder.constData(), 0775) == 0);
    QVERIFY(::chown(encoded(m_path).constData(), owner, SharedGroupId) == 0
            && ::chmod(encoded(m_path).constData(), 0664) == 0);

    const auto joinGroup = [] { return becomeNobodyInGroup(SharedGroupId); };
    QCOMPARE(errorOfWriteInChild(joinGroup, m_path, {u"name=Bob"_s}), QString());
    struct stat status = {};
    QCOMPARE(::stat(encoded(m_path).constData(), &status), 0);
    QCOMPARE(status.st_uid, owner);
    QCOMPARE(status.st_gid, SharedGroupId);
    QCOMPARE(status.st_mode & 07777, 0664u);
    QCOMPARE(fileContents(m_path), "name=Bob\r\n");
}

QTEST_APPLESS_MAIN(TestSettingsSave)
#include "tst_settingssave.moc"
