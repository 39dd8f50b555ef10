#include "players/settingslocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr uid_t NobodyId = 65534;

enum class Place { NamedFile, BesideProgram, ConfigFolder, ChildFailed };
enum class FileThere { None, Writable, ReadOnly };

const QFile::Permissions Readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
const QFile::Permissions Enterable = Readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
const QFile::Permissions Writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

// The choice as an ordinary user makes it: root may write anywhere, so a child that is root
// becomes nobody first.
Place placeChosenInChild(const QString &named, const QString &program, const QString &config)
{
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0
            && (setgroups(0, nullptr) != 0 || setgid(NobodyId) != 0 || setuid(NobodyId) != 0))
            _exit(int(Place::ChildFailed));
        const QString chosen = chooseSettingsFile(named, program, config);
        if (chosen == named)
            _exit(int(Place::NamedFile));
        if (chosen == program + u"/settings.cfg"_s)
            _exit(int(Place::BesideProgram));
        if (chosen == config + u"/settings.cfg"_s)
            _exit(int(Place::ConfigFolder));
        _exit(int(Place::ChildFailed));
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return Place::ChildFailed;
    return Place(WEXITSTATUS(status));
}

} // namespace

class TestSettingsLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settingsStayBesideAProgramThatMayWriteThere_data();
    void settingsStayBesideAProgramThatMayWriteThere();
};

void TestSettingsLocation::settingsStayBesideAProgramThatMayWriteThere_data()
{
    QTest::addColumn<bool>("named");
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<FileThere>("file");
    QTest::addColumn<Place>("place");

    QTest::newRow("named file") << true << true << FileThere::Writable << Place::NamedFile;
    QTest::newRow("writable folder") << false << true << FileThere::None << Place::BesideProgram;
    QTest::newRow("writable folder, read-only file")
            << false << true << FileThere::ReadOnly << Place::BesideProgram;
    QTest::newRow("read-only folder, writable file")
            << false << false << FileThere::Writable << Place::BesideProgram;
    QTest::newRow("read-only folder, read-only file")
            << false << false << FileThere::ReadOnly << Place::BesideProgram;
    QTest::newRow("read-only folder, no file")
            << false << false << FileThere::None << Place::ConfigFolder;
}

void TestSettingsLocation::settingsStayBesideAProgramThatMayWriteThere()
{
    QFETCH(bool, named);
    QFETCH(bool, folderWritable);
    QFETCH(FileThere, file);
    QFETCH(Place, place);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkdir(u"bin"_s));
    const QString program = root.filePath(u"bin"_s);
    const QString beside = program + u"/settings.cfg"_s;
    if (file != FileThere::None) {
        QFile settings(beside);
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.close();
        QVERIFY(settings.setPermissions(file == FileThere::Writable ? Readable | Writable
                                                                    : Readable));
    }
    QVERIFY(QFile::setPermissions(root.path(), Enterable | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(program, folderWritable ? Enterable | Writable : Enterable));

    const Place chosen = placeChosenInChild(named ? root.filePath(u"mine.cfg"_s) : QString(),
                                            program, root.filePath(u"config/tovik"_s));
    QVERIFY(QFile::setPermissions(program, Enterable | QFile::WriteOwner));
    QCOMPARE(chosen, place);
}

QTEST_APPLESS_MAIN(TestSettingsLocation)
#include "tst_settingslocation.moc"
