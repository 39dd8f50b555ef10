#include "app/errors.h"
#include "app/mainwindow.h"
#include "players/settings.h"
#include "players/sharedstate.h"
#include "players/welcomewindow.h"
#include "programfixture.h"
#include "testfiles.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray BobsFile = "color1=clRed\r\ncolor2=clNavy\r\nanimation=1\r\nname=Bob\r\n"
                            "name=Ann\r\nhname=Bob\r\nhscore=312\r\n";

QStringList rosterItems()
{
    QStringList items;
    for (int item = 1; item < Form3->ComboBox1->count(); ++item)
        items.append(Form3->ComboBox1->itemText(item));
    return items;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void missingFileIsCreatedWithTheThreeDefaultLines();
    void defaultFileLeavesTheAnimationSwitchAlone();
    void savedFileLoadsIntoTheWindowsAndSavesUnchanged();
    void rosterIsWrittenWithTheCurrentPlayerFirst_data();
    void rosterIsWrittenWithTheCurrentPlayerFirst();
    void malformedNumberSkipsOnlyItsLine();
    void hugeMalformedLineIsQuotedShort();
    void emptyFileSetsNothingAndStaysEmpty();
    void unwritableDefaultFileRaisesAndSetsNothing();

private:

    ProgramFixture m_program;
};

void TestSettings::init()
{
    m_program.start();
}

void TestSettings::cleanup()
{
    m_program.stop();
}

void TestSettings::missingFileIsCreatedWithTheThreeDefaultLines()
{
    LoadSettings();
    QCOMPARE(fileContents(SettingsPath), "animation=0\r\ncolor1=clAqua\r\ncolor2=clBlue\r\n");
    QCOMPARE(GradientStartColor, clAqua);
    QCOMPARE(GradientEndColor, clBlue);
    QVERIFY(!Form1->Animation1->isChecked());
    QVERIFY(Form3->ComboBox1->isHidden());
    QVERIFY(Form3->Label2->isHidden());
    QVERIFY(!Form1->HighestScore1->isEnabled());
    QCOMPARE(HighScore, 0);
}

void TestSettings::defaultFileLeavesTheAnimationSwitchAlone()
{
    Form1->Animation1->setChecked(true);
    LoadSettings();
    QVERIFY(Form1->Animation1->isChecked());
}

void TestSettings::savedFileLoadsIntoTheWindowsAndSavesUnchanged()
{
    writeFileContents(SettingsPath, BobsFile);
    LoadSettings();
    QCOMPARE(GradientStartColor, clRed);
    QCOMPARE(GradientEndColor, clNavy);
    QVERIFY(Form1->Animation1->isChecked());
    QCOMPARE(rosterItems(), QStringList({u"Bob"_s, u"Ann"_s}));
    QVERIFY(!Form3->ComboBox1->isHidden());
    QVERIFY(!Form3->Label2->isHidden());
    QCOMPARE(Form3->ComboBox1->currentIndex(), 1);
    QCOMPARE(HighScoreName, u"Bob"_s);
    QCOMPARE(HighScore, 312);
    QVERIFY(Form1->HighestScore1->isEnabled());

    PlayerName = u"Bob"_s;
    SaveSettings();
    QCOMPARE(fileContents(SettingsPath), BobsFile);
}

void TestSettings::rosterIsWrittenWithTheCurrentPlayerFirst_data()
{
    QTest::addColumn<QString>("player");
    QTest::addColumn<QByteArray>("nameLines");

    QTest::newRow("listed player moves to the front")
            << u"Bob"_s << QByteArray("name=Bob\r\nname=Ann\r\nname=Cy\r\n");
    QTest::newRow("new player comes first, all listed names follow")
            << u"Dee"_s << QByteArray("name=Dee\r\nname=Ann\r\nname=Bob\r\nname=Cy\r\n");
    QTest::newRow("letter case makes another player")
            << u"bob"_s << QByteArray("name=bob\r\nname=Ann\r\nname=Bob\r\nname=Cy\r\n");
}

void TestSettings::rosterIsWrittenWithTheCurrentPlayerFirst()
{
    QFETCH(QString, player);
    QFETCH(QByteArray, nameLines);

    writeFileContents(SettingsPath, "name=Ann\r\nname=Bob\r\nname=Cy\r\ncolor1=clAqua\r\ncolor2=clBlue\r\n");
    LoadSettings();
    PlayerName = player;
    SaveSettings();
    QCOMPARE(fileContents(SettingsPath), "color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\n" + nameLines);
}

void TestSettings::malformedNumberSkipsOnlyItsLine()
{
    writeFileContents(SettingsPath,
                      "hscore=500\r\nname=Ann\r\ncolor2=clLime\r\ncolor1=255 \r\n"
                      "name=Bob\r\ncolor2=clRed\r\nhscore=12x\r\nanimation=1\r\n");
    try {
        LoadSettings();
        QFAIL("the malformed colour was accepted");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(), u"'255 ' is not a valid integer value"_s);
    }
    QCOMPARE(rosterItems(), QStringList({u"Ann"_s, u"Bob"_s}));
    QCOMPARE(Form3->ComboBox1->currentIndex(), 1);
    QCOMPARE(GradientStartColor, clBlack);
    QCOMPARE(GradientEndColor, clRed);
    QVERIFY(Form1->Animation1->isChecked());
    // The last step, which drops a score without a holder, still runs.
    QCOMPARE(HighScore, 0);
    QVERIFY(!Form1->HighestScore1->isEnabled());
}

void TestSettings::hugeMalformedLineIsQuotedShort()
{
    const QByteArray fiftyMegabytes(50 << 20, '7');
    writeFileContents(SettingsPath, "name=Ann\r\ncolor1=" + fiftyMegabytes + "\r\nname=Bob\r\n");
    try {
        LoadSettings();
        QFAIL("the malformed colour was accepted");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(),
                 u"'%1\u2026' is not a valid integer value"_s.arg(QString(80, u'7')));
    }
    QCOMPARE(rosterItems(), QStringList({u"Ann"_s, u"Bob"_s}));
}

void TestSettings::emptyFileSetsNothingAndStaysEmpty()
{
    writeFileContents(SettingsPath, {});
    LoadSettings();
    QCOMPARE(GradientStartColor, clBlack);
    QCOMPARE(GradientEndColor, clBlack);
    QVERIFY(!Form1->Animation1->isChecked());
    QVERIFY(Form3->ComboBox1->isHidden());
    QVERIFY(!Form1->HighestScore1->isEnabled());
    QVERIFY(QFile::exists(SettingsPath));
    QCOMPARE(fileContents(SettingsPath), QByteArray());
}

void TestSettings::unwritableDefaultFileRaisesAndSetsNothing()
{
    // A path through a regular file cannot be created, even by root.
    const QString blocker = m_program.filePath(u"file"_s);
    writeFileContents(SettingsPath, {});
    QVERIFY(QFile::rename(SettingsPath, blocker));
    SettingsPath = blocker + u"/settings.cfg"_s;

    QVERIFY_THROWS_EXCEPTION(InOutError, LoadSettings());
    QCOMPARE(GradientStartColor, clBlack);
    QCOMPARE(GradientEndColor, clBlack);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
