#include "history/historylocation.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestHistoryLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void historyFollowsTheSettingsFile_data();
    void historyFollowsTheSettingsFile();
    void dataFolderComesFromTheEnvironment_data();
    void dataFolderComesFromTheEnvironment();
};

void TestHistoryLocation::historyFollowsTheSettingsFile_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("inConfigFolder");
    QTest::addColumn<QString>("history");

    QTest::newRow("beside the program")
            << u"/opt/tovik/settings.cfg"_s << false << u"/opt/tovik/history.sqlite"_s;
    QTest::newRow("named on the command line")
            << u"/home/ann/games/ann.cfg"_s << false << u"/home/ann/games/history.sqlite"_s;
    QTest::newRow("in the configuration folder")
            << u"/home/ann/.config/tovik/settings.cfg"_s << true << u"/data/tovik/history.sqlite"_s;
}

void TestHistoryLocation::historyFollowsTheSettingsFile()
{
    QFETCH(QString, settings);
    QFETCH(bool, inConfigFolder);
    QFETCH(QString, history);

    QCOMPARE(chooseHistoryFile(settings, inConfigFolder, u"/data"_s), history);
}

void TestHistoryLocation::dataFolderComesFromTheEnvironment_data()
{
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QString>("history");

    QTest::newRow("set") << QByteArray("/srv/ann/data") << u"/srv/ann/data/tovik/history.sqlite"_s;
    QTest::newRow("unset") << QByteArray() << u"/home/ann/.local/share/tovik/history.sqlite"_s;
}

void TestHistoryLocation::dataFolderComesFromTheEnvironment()
{
    QFETCH(QByteArray, dataHome);
    QFETCH(QString, history);

    qputenv("HOME", "/home/ann");
    if (dataHome.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", dataHome);
    QCOMPARE(historyFileLocation(u"/home/ann/.config/tovik/settings.cfg"_s, true), history);
}

QTEST_GUILESS_MAIN(TestHistoryLocation)
#include "tst_historylocation.moc"
