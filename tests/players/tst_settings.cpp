#include "base/errors.h"
#include "players/sharedstate.h"
#include "programfixture.h"
#include "testfiles.h"
#include "windows/gamewindow.h"
#include "windows/settings.h"
#include "windows/welcomewindow.h"

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
    for (int item = 1; item < theWelcomeWindow->playerList->count(); ++item)
        items.append(theWelcomeWindow->playerList->itemText(item));
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
    loadSettings();
    QCOMPARE(fileContents(settingsFilePath), "animation=0\r\ncolor1=clAqua\r\ncolor2=clBlue\r\n");
    QCOMPARE(gradientStartColor, Colors::Aqua);
    QCOMPARE(gradientEndColor, Colors::Blue);
    QVERIFY(!theGameWindow->animationAction->isChecked());
    QVERIFY(theWelcomeWindow->playerList->isHidden());
    QVERIFY(theWelcomeWindow->chooseCaption->isHidden());
    QVERIFY(!theGameWindow->highestScoreAction->isEnabled());
    QCOMPARE(highestScore, 0);
}

void TestSettings::defaultFileLeavesTheAnimationSwitchAlone()
{
    theGameWindow->animationAction->setChecked(true);
    loadSettings();
    QVERIFY(theGameWindow->animationAction->isChecked());
}

void TestSettings::savedFileLoadsIntoTheWindowsAndSavesUnchanged()
{
    writeFileContents(settingsFilePath, BobsFile);
    loadSettings();
    QCOMPARE(gradientStartColor, Colors::Red);
    QCOMPARE(gradientEndColor, Colors::Navy);
    QVERIFY(theGameWindow->animationAction->isChecked());
    QCOMPARE(rosterItems(), QStringList({u"Bob"_s, u"Ann"_s}));
    QVERIFY(!theWelcomeWindow->playerList->isHidden());
    QVERIFY(!theWelcomeWindow->chooseCaption->isHidden());
    QCOMPARE(theWelcomeWindow->playerList->currentIndex(), 1);
    QCOMPARE(highestScoreHolder, u"Bob"_s);
    QCOMPARE(highestScore, 312);
    QVERIFY(theGameWindow->highestScoreAction->isEnabled());

    currentPlayerName = u"Bob"_s;
    saveSettings();
    QCOMPARE(fileContents(settingsFilePath), BobsFile);
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

    writeFileContents(settingsFilePath,
                      "name=Ann\r\nname=Bob\r\nname=Cy\r\ncolor1=clAqua\r\ncolor2=clBlue\r\n");
    loadSettings();
    currentPlayerName = player;
    saveSettings();
    QCOMPARE(fileContents(settingsFilePath),
             "color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\n" + nameLines);
}

void TestSettings::malformedNumberSkipsOnlyItsLine()
{
    writeFileContents(settingsFilePath,
                      "hscore=500\r\nname=Ann\r\ncolor2=clLime\r\ncolor1=255 \r\n"
                      "name=Bob\r\ncolor2=clRed\r\nhscore=12x\r\nanimation=1\r\n");
    try {
        loadSettings();
        QFAIL("the malformed colour was accepted");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(), u"'255 ' is not a valid integer value"_s);
    }
    QCOMPARE(rosterItems(), QStringList({u"Ann"_s, u"Bob"_s}));
    QCOMPARE(theWelcomeWindow->playerList->currentIndex(), 1);
    QCOMPARE(gradientStartColor, Colors::Black);
    QCOMPARE(gradientEndColor, Colors::Red);
    QVERIFY(theGameWindow->animationAction->isChecked());
    // The last step, which drops a score without a holder, still runs.
    QCOMPARE(highestScore, 0);
    QVERIFY(!theGameWindow->highestScoreAction->isEnabled());
}

void TestSettings::hugeMalformedLineIsQuotedShort()
{
    const QByteArray fiftyMegabytes(50 << 20, '7');
    writeFileContents(settingsFilePath,
                      "name=Ann\r\ncolor1=" + fiftyMegabytes + "\r\nname=Bob\r\n");
    try {
        loadSettings();
        QFAIL("the malformed colour was accepted");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(),
                 u"'%1\u2026' is not a valid integer value"_s.arg(QString(80, u'7')));
    }
    QCOMPARE(rosterItems(), QStringList({u"Ann"_s, u"Bob"_s}));
}

void TestSettings::emptyFileSetsNothingAndStaysEmpty()
{
    writeFileContents(settingsFilePath, {});
    loadSettings();
    QCOMPARE(gradientStartColor, Colors::Black);
    QCOMPARE(gradientEndColor, Colors::Black);
    QVERIFY(!theGameWindow->animationAction->isChecked());
    QVERIFY(theWelcomeWindow->playerList->isHidden());
    QVERIFY(!theGameWindow->highestScoreAction->isEnabled());
    QVERIFY(QFile::exists(settingsFilePath));
    QCOMPARE(fileContents(settingsFilePath), QByteArray());
}

void TestSettings::unwritableDefaultFileRaisesAndSetsNothing()
{
    // A path through a regular file cannot be created, even by root.
    const QString blocker = m_program.filePath(u"file"_s);
    writeFileContents(settingsFilePath, {});
    QVERIFY(QFile::rename(settingsFilePath, blocker));
    settingsFilePath = blocker + u"/settings.cfg"_s;

    QVERIFY_THROWS_EXCEPTION(InOutError, loadSettings());
    QCOMPARE(gradientStartColor, Colors::Black);
    QCOMPARE(gradientEndColor, Colors::Black);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
