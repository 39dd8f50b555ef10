#include "base/errors.h"
#include "players/session.h"
#include "players/settings.h"
#include "programfixture.h"
#include "testfiles.h"
#include "windows/gamewindow.h"
#include "windows/welcomewindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray BobsFile = "color1=clRed\r\ncolor2=clNavy\r\nanimation=1\r\nname=Bob\r\n"
                            "name=Ann\r\nhname=Bob\r\nhscore=312\r\n";

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
    QStringList rosterItems();

    ProgramFixture m_program;
};

// The roster as the welcome window's list shows it, after its "New Player" item.
QStringList TestSettings::rosterItems()
{
    QStringList items;
    for (int item = 1;
         item < m_program.welcomeControl<QComboBox>(QStringLiteral("playerList"))->count(); ++item)
        items.append(
                m_program.welcomeControl<QComboBox>(QStringLiteral("playerList"))->itemText(item));
    return items;
}

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
    loadSettings(m_program.session());
    QCOMPARE(fileContents(m_program.session().settingsPath()),
             "animation=0\r\ncolor1=clAqua\r\ncolor2=clBlue\r\n");
    QCOMPARE(m_program.session().startColor(), Colors::Aqua);
    QCOMPARE(m_program.session().endColor(), Colors::Blue);
    QVERIFY(!m_program.gameControl<QAction>(QStringLiteral("animationAction"))->isChecked());
    QVERIFY(m_program.welcomeControl<QComboBox>(QStringLiteral("playerList"))->isHidden());
    QVERIFY(m_program.welcomeControl<QLabel>(QStringLiteral("chooseCaption"))->isHidden());
    QVERIFY(!m_program.gameControl<QAction>(QStringLiteral("highestScoreAction"))->isEnabled());
    QCOMPARE(m_program.session().recordScore(), 0);
}

void TestSettings::defaultFileLeavesTheAnimationSwitchAlone()
{
    m_program.gameControl<QAction>(QStringLiteral("animationAction"))->setChecked(true);
    loadSettings(m_program.session());
    QVERIFY(m_program.gameControl<QAction>(QStringLiteral("animationAction"))->isChecked());
}

void TestSettings::savedFileLoadsIntoTheWindowsAndSavesUnchanged()
{
    writeFileContents(m_program.session().settingsPath(), BobsFile);
    loadSettings(m_program.session());
    QCOMPARE(m_program.session().startColor(), Colors::Red);
    QCOMPARE(m_program.session().endColor(), Colors::Navy);
    QVERIFY(m_program.gameControl<QAction>(QStringLiteral("animationAction"))->isChecked());
    QCOMPARE(rosterItems(), QStringList({u"Bob"_s, u"Ann"_s}));
    QVERIFY(!m_program.welcomeControl<QComboBox>(QStringLiteral("playerList"))->isHidden());
    QVERIFY(!m_program.welcomeControl<QLabel>(QStringLiteral("chooseCaption"))->isHidden());
    QCOMPARE(m_program.welcomeControl<QComboBox>(QStringLiteral("playerList"))->currentIndex(), 1);
    QCOMPARE(m_program.session().recordHolder(), u"Bob"_s);
    QCOMPARE(m_program.session().recordScore(), 312);
    QVERIFY(m_program.gameControl<QAction>(QStringLiteral("highestScoreAction"))->isEnabled());

    m_program.session().setPlayerName(u"Bob"_s);
    saveSettings(m_program.session());
    QCOMPARE(fileContents(m_program.session().settingsPath()), BobsFile);
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

    writeFileContents(m_program.session().settingsPath(),
                      "name=Ann\r\nname=Bob\r\nname=Cy\r\ncolor1=clAqua\r\ncolor2=clBlue\r\n");
    loadSettings(m_program.session());
    m_program.session().setPlayerName(player);
    saveSettings(m_program.session());
    QCOMPARE(fileContents(m_program.session().settingsPath()),
             "color1=clAqua\r\ncolor2=clBlue\r\nanimation=0\r\n" + nameLines);
}

void TestSettings::malformedNumberSkipsOnlyItsLine()
{
    writeFileContents(m_program.session().settingsPath(),
                      "hscore=500\r\nname=Ann\r\ncolor2=clLime\r\ncolor1=255 \r\n"
                      "name=Bob\r\ncolor2=clRed\r\nhscore=12x\r\nanimation=1\r\n");
    try {
        loadSettings(m_program.session());
        QFAIL("the malformed colour was accepted");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(), u"'255 ' is not a valid integer value"_s);
    }
    QCOMPARE(rosterItems(), QStringList({u"Ann"_s, u"Bob"_s}));
    QCOMPARE(m_program.welcomeControl<QComboBox>(QStringLiteral("playerList"))->currentIndex(), 1);
    QCOMPARE(m_program.session().startColor(), Colors::Black);
    QCOMPARE(m_program.session().endColor(), Colors::Red);
    QVERIFY(m_program.gameControl<QAction>(QStringLiteral("animationAction"))->isChecked());
    // The last step, which drops a score without a holder, still runs.
    QCOMPARE(m_program.session().recordScore(), 0);
    QVERIFY(!m_program.gameControl<QAction>(QStringLiteral("highestScoreAction"))->isEnabled());
}

void TestSettings::hugeMalformedLineIsQuotedShort()
{
    const QByteArray fiftyMegabytes(50 << 20, '7');
    writeFileContents(m_program.session().settingsPath(),
                      "name=Ann\r\ncolor1=" + fiftyMegabytes + "\r\nname=Bob\r\n");
    try {
        loadSettings(m_program.session());
        QFAIL("the malformed colour was accepted");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(),
                 u"'%1\u2026' is not a valid integer value"_s.arg(QString(80, u'7')));
    }
    QCOMPARE(rosterItems(), QStringList({u"Ann"_s, u"Bob"_s}));
}

void TestSettings::emptyFileSetsNothingAndStaysEmpty()
{
    writeFileContents(m_program.session().settingsPath(), {});
    loadSettings(m_program.session());
    QCOMPARE(m_program.session().startColor(), Colors::Black);
    QCOMPARE(m_program.session().endColor(), Colors::Black);
    QVERIFY(!m_program.gameControl<QAction>(QStringLiteral("animationAction"))->isChecked());
    QVERIFY(m_program.welcomeControl<QComboBox>(QStringLiteral("playerList"))->isHidden());
    QVERIFY(!m_program.gameControl<QAction>(QStringLiteral("highestScoreAction"))->isEnabled());
    QVERIFY(QFile::exists(m_program.session().settingsPath()));
    QCOMPARE(fileContents(m_program.session().settingsPath()), QByteArray());
}

void TestSettings::unwritableDefaultFileRaisesAndSetsNothing()
{
    // A path through a regular file cannot be created, even by root.
    const QString blocker = m_program.filePath(u"file"_s);
    writeFileContents(m_program.session().settingsPath(), {});
    QVERIFY(QFile::rename(m_program.session().settingsPath(), blocker));
    m_program.session().setSettingsPath(blocker + u"/settings.cfg"_s);

    QVERIFY_THROWS_EXCEPTION(InOutError, loadSettings(m_program.session()));
    QCOMPARE(m_program.session().startColor(), Colors::Black);
    QCOMPARE(m_program.session().endColor(), Colors::Black);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
