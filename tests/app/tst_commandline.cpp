#include "app/commandline.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CommandLine::Request)

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void argumentsAreAnsweredAsLinuxProgramsDo_data();
    void argumentsAreAnsweredAsLinuxProgramsDo();

private:
    QTemporaryDir m_folder;
};

// Relative names are read from the working folder: a temporary one, holding a folder "saves".
void TestCommandLine::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QVERIFY(QDir(m_folder.path()).mkdir(u"saves"_s));
    QVERIFY(QDir::setCurrent(m_folder.path()));
}

void TestCommandLine::argumentsAreAnsweredAsLinuxProgramsDo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Request>("request");
    QTest::addColumn<QString>("settingsFile");
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<QString>("answerStart");

    using R = CommandLine::Request;
    const QString usage = u"Usage: tovik [OPTION]...\n"_s;
    QTest::newRow("none") << QStringList() << R::Play << QString() << 0 << QString();
    QTest::newRow("help") << QStringList {u"--help"_s} << R::ShowHelp << QString() << 0 << usage;
    QTest::newRow("short help") << QStringList {u"-h"_s} << R::ShowHelp << QString() << 0 << usage;
    QTest::newRow("version") << QStringList {u"--version"_s} << R::ShowVersion << QString() << 0
                             << u"tovik 2.0.4.56\n"_s;
    QTest::newRow("short version")
            << QStringList {u"-v"_s} << R::ShowVersion << QString() << 0 << u"tovik 2.0.4.56\n"_s;
    QTest::newRow("settings file") << QStringList {u"--settings"_s, u"saves/ann.cfg"_s} << R::Play
                                   << u"saves/ann.cfg"_s << 0 << QString();
    QTest::newRow("settings file joined") << QStringList {u"--settings=./saves/../saves/bob.cfg"_s}
                                          << R::Play << u"saves/bob.cfg"_s << 0 << QString();
    QTest::newRow("settings folder")
            << QStringList {u"--settings"_s, u"saves"_s} << R::Refuse << QString() << 2
            << u"tovik: cannot keep the settings in saves: it is a folder\n"_s + usage;
    QTest::newRow("settings in a missing folder")
            << QStringList {u"--settings"_s, u"gone/ann.cfg"_s} << R::Refuse << QString() << 2
            << u"tovik: cannot keep the settings in gone/ann.cfg: its folder "_s;
    QTest::newRow("settings without a file")
            << QStringList {u"--settings"_s} << R::Refuse << QString() << 2
            << u"tovik: --settings needs a file name\n"_s + usage;
    QTest::newRow("settings with an empty file")
            << QStringList {u"--settings="_s} << R::Refuse << QString() << 2
            << u"tovik: --settings needs a file name\n"_s + usage;
    QTest::newRow("restored by the session manager")
            << QStringList {u"-session"_s, u"1012a7"_s} << R::Play << QString() << 0 << QString();
    QTest::newRow("Qt's options beside ours")
            << QStringList {u"--platform=offscreen"_s, u"-reverse"_s, u"--settings"_s,
                            u"saves/ann.cfg"_s,        u"-style"_s,   u"fusion"_s}
            << R::Play << u"saves/ann.cfg"_s << 0 << QString();
    QTest::newRow("unknown option") << QStringList {u"--fullscreen"_s} << R::Refuse << QString()
                                    << 2 << u"tovik: unknown argument '--fullscreen'\n"_s + usage;
    QTest::newRow("stray argument") << QStringList {u"ann.cfg"_s} << R::Refuse << QString() << 2
                                    << u"tovik: unknown argument 'ann.cfg'\n"_s + usage;
}

void TestCommandLine::argumentsAreAnsweredAsLinuxProgramsDo()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Request, request);
    QFETCH(QString, settingsFile);
    QFETCH(int, exitStatus);
    QFETCH(QString, answerStart);

    const CommandLine commandLine = CommandLine::parse(arguments);
    QCOMPARE(commandLine.request(), request);
    QCOMPARE(commandLine.settingsFile(),
             settingsFile.isEmpty() ? QString() : m_folder.filePath(settingsFile));
    QCOMPARE(commandLine.exitStatus(), exitStatus);
    QVERIFY2(commandLine.answer().startsWith(answerStart), qPrintable(commandLine.answer()));
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
