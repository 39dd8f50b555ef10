#include "players/preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPreferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coachSwitchReadsFromTheFile_data();
    void coachSwitchReadsFromTheFile();
    void unwritableFileLeavesTheSwitchOff();
};

void TestPreferences::coachSwitchReadsFromTheFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("on");
    QTest::newRow("on") << "[General]\ncoach=true\n"_ba << true;
    QTest::newRow("off") << "[General]\ncoach=false\n"_ba << false;
    QTest::newRow("no key") << "[General]\nother=1\n"_ba << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("not a switch") << "[General]\ncoach=perhaps\n"_ba << false;
    QTest::newRow("binary") << QByteArray("\0\xff\x01[\n=\xfe", 7) << false;
}

void TestPreferences::coachSwitchReadsFromTheFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, on);
    QTemporaryDir folder;
    const QString settings = folder.filePath(u"settings.cfg"_s);
    QFile file(folder.filePath(u"preferences.ini"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    QCOMPARE(readCoachSwitch(settings), on);
}

// A folder where the file should be: nothing is kept, nothing fails, and the switch reads as off.
void TestPreferences::unwritableFileLeavesTheSwitchOff()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(u"preferences.ini"_s));
    const QString settings = folder.filePath(u"settings.cfg"_s);
    QVERIFY(!readCoachSwitch(settings));
    writeCoachSwitch(settings, true);
    QVERIFY(QFileInfo(preferencesPath(settings)).isDir());
}

QTEST_APPLESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
