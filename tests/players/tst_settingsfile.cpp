#include "base/errors.h"
#include "players/settingsfile.h"
#include "players/writeinchild.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr rlim_t SmallFileLimit = 16;
// A save that hangs is ended by then, and fails its test instead of the whole run.
constexpr unsigned HangGuardSeconds = 10;

const QByteArray OldText = "color1=clRed\r\ncolor2=clNavy\r\nanimation=1\r\nname=Ann\r\n";
const QByteArray NewText = "name=Bob\r\n";

// Names of the paths a test case uses, inside its temporary folder.
enum class Place { File, Missing, Directory, ThroughFile };

QString pathFor(const QTemporaryDir &dir, Place place)
{
    switch (place) {
    case Place::File:
        return dir.filePath(u"settings.cfg"_s);
    case Place::Missing:
        return dir.filePath(u"missing.cfg"_s);
    case Place::Directory:
        return dir.filePath(u"folder"_s);
    case Place::ThroughFile:
        return dir.filePath(u"settings.cfg/settings.cfg"_s);
    }
    return {};
}

void prepare(const QTemporaryDir &dir)
{
    QFile file(pathFor(dir, Place::File));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(OldText), OldText.size());
    file.close();
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void writtenLinesEndWithCrLfInUtf8();
    void writeReplacesTheWholeFile();
    void fileExistsOnlyAsRegularFile_data();
    void fileExistsOnlyAsRegularFile();
    void readFailuresAreReported_data();
    void readFailuresAreReported();
    void writeFailuresAreReported_data();
    void writeFailuresAreReported();
    void fullDiskKeepsTheOldFile();
    void writeMakesAMissingFolderWhereItMay_data();
    void writeMakesAMissingFolderWhereItMay();
    void failedSystemCallFailsTheSaveUnlessUnsupported_data();
    void failedSystemCallFailsTheSaveUnlessUnsupported();
    void readOnlyFolderRewritesAWritableFileInPlace_data();
    void readOnlyFolderRewritesAWritableFileInPlace();
    void saveRemovesOnlyItsOwnLeftover_data();
    void saveRemovesOnlyItsOwnLeftover();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    prepare(*m_dir);
}

void TestSettingsFile::writtenLinesEndWithCrLfInUtf8()
{
    const QString path = pathFor(*m_dir, Place::Missing);
    writeSettingsFile(path, {u"color1=clRed"_s, u"name=Zo\u00EB"_s, QString()});

    const QByteArray expected = "color1=clRed\r\nname=Zo\xC3\xAB\r\n\r\n";
    QCOMPARE(fileContents(path), expected);
    QCOMPARE(readSettingsFile(path), expected);
}

void TestSettingsFile::writeReplacesTheWholeFile()
{
    const QString path = pathFor(*m_dir, Place::File);
    writeSettingsFile(path, {u"animation=0"_s});
    QCOMPARE(fileContents(path), QByteArray("animation=0\r\n"));

    writeSettingsFile(path, {});
    QCOMPARE(fileContents(path), QByteArray());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {u"settings.cfg"_s});
}

void TestSettingsFile::fileExistsOnlyAsRegularFile_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<bool>("exists");

    QTest::newRow("file") << Place::File << true;
    QTest::newRow("missing") << Place::Missing << false;
    QTest::newRow("directory") << Place::Directory << false;
    QTest::newRow("through a file") << Place::ThroughFile << false;
}

void TestSettingsFile::fileExistsOnlyAsRegularFile()
{
    QFETCH(Place, place);
    QFETCH(bool, exists);

    QCOMPARE(settingsFileExists(pathFor(*m_dir, place)), exists);
}

void TestSettingsFile::readFailuresAreReported_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing") << Place::Missing << u"File not found"_s;
    QTest::newRow("through a file") << Place::ThroughFile << u"Invalid filename"_s;
    QTest::newRow("directory") << Place::Directory << u"File access denied"_s;
}

void TestSettingsFile::readFailuresAreReported()
{
    QFETCH(Place, place);
    QFETCH(QString, message);

    QCOMPARE(errorOf([&] { readSettingsFile(pathFor(*m_dir, place)); }), message);
}

void TestSettingsFile::writeFailuresAreReported_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<QString>("message");

    QTest::newRow("through a file") << Place::ThroughFile << u"Invalid filename"_s;
    QTest::newRow("directory") << Place::Directory << u"File access denied"_s;
}

void TestSettingsFile::writeFailuresAreReported()
{
    QFETCH(Place, place);
    QFETCH(QString, message);

    QCOMPARE(errorOf([&] { writeSettingsFile(pathFor(*m_dir, place), {u"name=Bob"_s}); }), message);
    QCOMPARE(fileContents(pathFor(*m_dir, Place::File)), OldText);
}

void TestSettingsFile::fullDiskKeepsTheOldFile()
{
    const auto limitFileSize = [] {
        const rlimit limit {SmallFileLimit, SmallFileLimit};
        return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    };
    const QStringList lines(20, u"name=Someone with a long name"_s);

    QCOMPARE(errorOfWriteInChild(limitFileSize, pathFor(*m_dir, Place::File), lines),
             u"Disk full"_s);
    QCOMPARE(fileContents(pathFor(*m_dir, Place::File)), OldText);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {u"settings.cfg"_s});
}

void TestSettingsFile::failedSystemCallFailsTheSaveUnlessUnsupported_data()
{
    QTest::addColumn<int>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("message");

    QTest::newRow("sync not supported") << int(__NR_fsync) << int(ENOTSUP) << QString();
    QTest::newRow("sync not implemented") << int(__NR_fsync) << int(ENOSYS) << QString();
    QTest::newRow("sync invalid for this file") << int(__NR_fsync) << int(EINVAL) << QString();
    QTest::newRow("sync input/output error") << int(__NR_fsync) << int(EIO) << u"I/O error 5"_s;
    // Without a file's identity the save can never confirm that it locked the file it names.
    QTest::newRow("no identity for any file")
            << int(__NR_newfstatat) << int(EIO) << u"I/O error 5"_s;
}

void TestSettingsFile::failedSystemCallFailsTheSaveUnlessUnsupported()
{
    QFETCH(int, call);
    QFETCH(int, error);
    QFETCH(QString, message);

    const QString path = pathFor(*m_dir, Place::File);
    const auto failCall = [call, error] {
        alarm(HangGuardSeconds);
        return failSystemCall(call, error);
    };
    QCOMPARE(errorOfWriteInChild(failCall, path, {u"name=Bob"_s}), message);
    QCOMPARE(fileContents(path), message.isEmpty() ? NewText : OldText);
}

void TestSettingsFile::readOnlyFolderRewritesAWritableFileInPlace_data()
{
    QTest::addColumn<QFile::Permissions>("filePermissions");
    QTest::addColumn<int>("fileSizeLimit");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("text");

    const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther;
    QTest::newRow("writable file is rewritten in place")
            << (readable | QFile::WriteOther) << 0 << QString() << NewText;
    QTest::newRow("read-only file stays") << readable << 0 << u"File access denied"_s << OldText;
    QTest::newRow("full disk keeps the old file whole")
            << (readable | QFile::WriteOther) << int(SmallFileLimit) << u"Disk full"_s << OldText;
}

void TestSettingsFile::readOnlyFolderRewritesAWritableFileInPlace()
{
    QFETCH(QFile::Permissions, filePermissions);
    QFETCH(int, fileSizeLimit);
    QFETCH(QString, message);
    QFETCH(QByteArray, text);

    const QString path = pathFor(*m_dir, Place::File);
    QVERIFY(QFile::setPermissions(m_dir->path(),
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(path, filePermissions));

    const auto becomeNobodyOnASmallDisk = [fileSizeLimit] {
        const rlimit limit {rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
        return becomeNobody()
                && (fileSizeLimit == 0
                    || (std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR
                        && setrlimit(RLIMIT_FSIZE, &limit) == 0));
    };
    // Longer than the old text, so that a full disk meets the new text past the old length.
    const QStringList lines = fileSizeLimit == 0
            ? QStringList {u"name=Bob"_s}
            : QStringList(20, u"name=Someone with a long name"_s);
    const QString error = errorOfWriteInChild(becomeNobodyOnASmallDisk, path, lines);
    QVERIFY(QFile::setPermissions(m_dir->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(error, message);
    QCOMPARE(fileContents(path), text);
}

void TestSettingsFile::saveRemovesOnlyItsOwnLeftover_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");

    QTest::newRow("a killed save's file") << u"settings.cfg.saving"_s << true;
    QTest::newRow("the player's backup") << u"settings.cfg.backup"_s << false;
    QTest::newRow("the player's six letters") << u"settings.cfg.qWeRtY"_s << false;
}

void TestSettingsFile::saveRemovesOnlyItsOwnLeftover()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);

    writeFileContents(m_dir->filePath(name), OldText);
    writeSettingsFile(pathFor(*m_dir, Place::File), {u"name=Bob"_s});
    QCOMPARE(QFile::exists(m_dir->filePath(name)), !removed);
    QCOMPARE(fileContents(pathFor(*m_dir, Place::File)), QByteArray("name=Bob\r\n"));
}

void TestSettingsFile::writeMakesAMissingFolderWhereItMay_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<QString>("message");

    QTest::newRow("writable folder") << true << QString();
    QTest::newRow("read-only folder") << false << u"File access denied"_s;
}

void TestSettingsFile::writeMakesAMissingFolderWhereItMay()
{
    QFETCH(bool, folderWritable);
    QFETCH(QString, message);

    const QString path = m_dir->filePath(u"config/tovik/settings.cfg"_s);
    QVERIFY(QDir(m_dir->path()).mkdir(u"config"_s));
    const QFile::Permissions everyone = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
            | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;
    const QFile::Permissions writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    QVERIFY(QFile::setPermissions(m_dir->path(), everyone));
    QVERIFY(QFile::setPermissions(m_dir->filePath(u"config"_s),
                                  folderWritable ? everyone | writable : everyone));

    const QString error = errorOfWriteInChild(becomeNobody, path, {u"name=Bob"_s});
    QVERIFY(QFile::setPermissions(m_dir->path(), everyone | QFile::WriteOwner));
    QCOMPARE(error, message);
    QCOMPARE(fileContents(path), QByteArray(message.isEmpty() ? "name=Bob\r\n" : ""));
}

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
