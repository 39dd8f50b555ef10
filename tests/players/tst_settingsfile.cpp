#include "base/errors.h"
#include "players/settingsfile.h"
#include "players/writeinchild.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <grp.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr uid_t NobodyId = 65534;
constexpr rlim_t SmallFileLimit = 16;

const QByteArray OldText = "color1=clRed\r\ncolor2=clNavy\r\nanimation=1\r\nname=Ann\r\n";

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

// Root passes every permission check, so a child that meets one gives up root first.
bool becomeNobody()
{
    return geteuid() != 0
            || (setgroups(0, nullptr) == 0 && setgid(NobodyId) == 0 && setuid(NobodyId) == 0);
}

#if defined(__x86_64__)
constexpr quint32 SystemCallArchitecture = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr quint32 SystemCallArchitecture = AUDIT_ARCH_AARCH64;
#endif

// Makes every later call of one system call in this process fail with the error, as a file
// system that refuses it would.
bool failSystemCall(int call, int error)
{
    sock_filter filter[] = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SystemCallArchitecture, 1, 0),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, quint32(call), 0, 1),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (quint32(error) & SECCOMP_RET_DATA)),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program {static_cast<unsigned short>(std::size(filter)), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0
            && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
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
    void failedSyncFailsTheSaveUnlessUnsupported_data();
    void failedSyncFailsTheSaveUnlessUnsupported();
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

    QCOMPARE(errorOf([&] { writeSettingsFile(pathFor(*m_dir, place), {u"name=Bob"_s}); }),
             message);
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

void TestSettingsFile::failedSyncFailsTheSaveUnlessUnsupported_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("message");

    QTest::newRow("not supported") << int(ENOTSUP) << QString();
    QTest::newRow("not implemented") << int(ENOSYS) << QString();
    QTest::newRow("invalid for this file") << int(EINVAL) << QString();
    QTest::newRow("input/output error") << int(EIO) << u"I/O error 5"_s;
}

void TestSettingsFile::failedSyncFailsTheSaveUnlessUnsupported()
{
    QFETCH(int, error);
    QFETCH(QString, message);

    const QString path = pathFor(*m_dir, Place::File);
    const auto failSync = [error] { return failSystemCall(__NR_fsync, error); };
    QCOMPARE(errorOfWriteInChild(failSync, path, {u"name=Bob"_s}), message);
    QCOMPARE(fileContents(path), message.isEmpty() ? QByteArray("name=Bob\r\n") : OldText);
}

void TestSettingsFile::readOnlyFolderRewritesAWritableFileInPlace_data()
{
    QTest::addColumn<QFile::Permissions>("filePermissions");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("text");

    const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther;
    QTest::newRow("writable file is rewritten in place")
            << (readable | QFile::WriteOther) << QString() << QByteArray("name=Bob\r\n");
    QTest::newRow("read-only file stays") << readable << u"File access denied"_s << OldText;
}

void TestSettingsFile::readOnlyFolderRewritesAWritableFileInPlace()
{
    QFETCH(QFile::Permissions, filePermissions);
    QFETCH(QString, message);
    QFETCH(QByteArray, text);

    const QString path = pathFor(*m_dir, Place::File);
    QVERIFY(QFile::setPermissions(m_dir->path(),
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(path, filePermissions));

    const QString error = errorOfWriteInChild(becomeNobody, path, {u"name=Bob"_s});
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
