#include "app/errors.h"
#include "players/settingsfile.h"
#include "players/writeinchild.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
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
    void readFailuresCarryTheirNumber_data();
    void readFailuresCarryTheirNumber();
    void writeFailuresCarryTheirNumber_data();
    void writeFailuresCarryTheirNumber();
    void fullDiskKeepsTheOldFile();
    void unwritableFolderKeepsTheOldFile();
    void writeMakesAMissingFolderWhereItMay_data();
    void writeMakesAMissingFolderWhereItMay();

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

void TestSettingsFile::readFailuresCarryTheirNumber_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing") << Place::Missing << 2 << u"File not found"_s;
    QTest::newRow("through a file") << Place::ThroughFile << 3 << u"Invalid filename"_s;
    QTest::newRow("directory") << Place::Directory << 5 << u"File access denied"_s;
}

void TestSettingsFile::readFailuresCarryTheirNumber()
{
    QFETCH(Place, place);
    QFETCH(int, code);
    QFETCH(QString, message);

    QCOMPARE(errorCodeOf([&] { readSettingsFile(pathFor(*m_dir, place)); }), code);
    QCOMPARE(InOutError(code).message(), message);
}

void TestSettingsFile::writeFailuresCarryTheirNumber_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<int>("code");

    QTest::newRow("through a file") << Place::ThroughFile << 3;
    QTest::newRow("directory") << Place::Directory << 5;
}

void TestSettingsFile::writeFailuresCarryTheirNumber()
{
    QFETCH(Place, place);
    QFETCH(int, code);

    QCOMPARE(errorCodeOf([&] { writeSettingsFile(pathFor(*m_dir, place), {u"name=Bob"_s}); }),
             code);
    QCOMPARE(fileContents(pathFor(*m_dir, Place::File)), OldText);
}

void TestSettingsFile::fullDiskKeepsTheOldFile()
{
    const auto limitFileSize = [] {
        const rlimit limit {SmallFileLimit, SmallFileLimit};
        return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    };
    const QStringList lines(20, u"name=Someone with a long name"_s);

    QCOMPARE(errorCodeOfWriteInChild(limitFileSize, pathFor(*m_dir, Place::File), lines), 101);
    QCOMPARE(fileContents(pathFor(*m_dir, Place::File)), OldText);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {u"settings.cfg"_s});
}

void TestSettingsFile::unwritableFolderKeepsTheOldFile()
{
    const QString path = pathFor(*m_dir, Place::File);
    QVERIFY(QFile::setPermissions(m_dir->path(),
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));

    const int code = errorCodeOfWriteInChild(becomeNobody, path, {u"name=Bob"_s});
    QVERIFY(QFile::setPermissions(m_dir->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(code, 5);
    QCOMPARE(fileContents(path), OldText);
}

void TestSettingsFile::writeMakesAMissingFolderWhereItMay_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<int>("code");

    QTest::newRow("writable folder") << true << 0;
    QTest::newRow("read-only folder") << false << 5;
}

void TestSettingsFile::writeMakesAMissingFolderWhereItMay()
{
    QFETCH(bool, folderWritable);
    QFETCH(int, code);

    const QString path = m_dir->filePath(u"config/tovik/settings.cfg"_s);
    QVERIFY(QDir(m_dir->path()).mkdir(u"config"_s));
    const QFile::Permissions everyone = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
            | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;
    const QFile::Permissions writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    QVERIFY(QFile::setPermissions(m_dir->path(), everyone));
    QVERIFY(QFile::setPermissions(m_dir->filePath(u"config"_s),
                                  folderWritable ? everyone | writable : everyone));

    const int written = errorCodeOfWriteInChild(becomeNobody, path, {u"name=Bob"_s});
    QVERIFY(QFile::setPermissions(m_dir->path(), everyone | QFile::WriteOwner));
    QCOMPARE(written, code);
    QCOMPARE(fileContents(path), QByteArray(code == 0 ? "name=Bob\r\n" : ""));
}

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
