#include "base/errors.h"
#include "players/settingslines.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

SettingsState readLines(const QStringList &lines)
{
    SettingsState state;
    readSettingsLines(lines, state);
    return state;
}

} // namespace

class TestSettingsWriting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writerPutsTheCurrentPlayerFirst_data();
    void writerPutsTheCurrentPlayerFirst();
    void writtenFileReadsBack();
    void highScoreIsWrittenOnlyWhenKnown();
    void recordWithoutHolderReadsBack_data();
    void recordWithoutHolderReadsBack();
    void defaultLinesGiveAquaToBlue();
    void namesCannotBreakTheirLine();
    void textSplitsIntoLines_data();
    void textSplitsIntoLines();
    void binaryDataLoadsSafely();
};

void TestSettingsWriting::writerPutsTheCurrentPlayerFirst_data()
{
    QTest::addColumn<QStringList>("roster");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("listed player") << QStringList {u"Ann"_s, u"Bob"_s, u"Cy"_s} << u"Bob"_s
                                   << QStringList {u"name=Bob"_s, u"name=Ann"_s, u"name=Cy"_s};
    QTest::newRow("new player") << QStringList {u"Ann"_s, u"Bob"_s} << u"Dee"_s
                                << QStringList {u"name=Dee"_s, u"name=Ann"_s, u"name=Bob"_s};
    QTest::newRow("every copy of the player skipped")
            << QStringList {u"Bob"_s, u"Ann"_s, u"Bob"_s} << u"Bob"_s
            << QStringList {u"name=Bob"_s, u"name=Ann"_s};
    QTest::newRow("letter case counts")
            << QStringList {u"bob"_s} << u"Bob"_s << QStringList {u"name=Bob"_s, u"name=bob"_s};
}

void TestSettingsWriting::writerPutsTheCurrentPlayerFirst()
{
    QFETCH(QStringList, roster);
    QFETCH(QString, player);
    QFETCH(QStringList, names);

    SettingsState state;
    state.roster = roster;
    QCOMPARE(settingsLines(state, player).mid(3), names);
}

void TestSettingsWriting::writtenFileReadsBack()
{
    SettingsState state;
    state.startColor = Colors::Red;
    state.endColor = Colors::Navy;
    state.animation = true;
    state.roster = QStringList {u"Ann"_s, u"Bob"_s};
    state.highScoreName = u"Bob"_s;
    state.highScore = 312;
    state.highScoreKnown = true;

    const QStringList lines = settingsLines(state, u"Bob"_s);
    QCOMPARE(lines,
             QStringList({u"color1=clRed"_s, u"color2=clNavy"_s, u"animation=1"_s, u"name=Bob"_s,
                          u"name=Ann"_s, u"hname=Bob"_s, u"hscore=312"_s}));

    const SettingsState read = readLines(lines);
    QCOMPARE(read.startColor, Colors::Red);
    QCOMPARE(read.endColor, Colors::Navy);
    QVERIFY(read.animation);
    QCOMPARE(read.roster, QStringList({u"Bob"_s, u"Ann"_s}));
    QCOMPARE(read.highScoreName, u"Bob"_s);
    QCOMPARE(read.highScore, 312);
    QVERIFY(read.highScoreKnown);
}

void TestSettingsWriting::highScoreIsWrittenOnlyWhenKnown()
{
    SettingsState state;
    state.startColor = 0x00123456;
    state.highScoreName = u"Bob"_s;
    state.highScore = -5;
    QCOMPARE(settingsLines(state, u"Bob"_s),
             QStringList({u"color1=$00123456"_s, u"color2=clBlack"_s, u"animation=0"_s,
                          u"name=Bob"_s}));

    state.highScoreKnown = true;
    QCOMPARE(settingsLines(state, u"Bob"_s).mid(4), QStringList({u"hname=Bob"_s, u"hscore=-5"_s}));
}

void TestSettingsWriting::recordWithoutHolderReadsBack_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<qint32>("score");

    QTest::newRow("positive score") << QString() << 500;
    QTest::newRow("score 0") << QString() << 0;
    QTest::newRow("negative score") << QString() << -7;
    QTest::newRow("holder of blanks") << u"  "_s << 9;
}

// Reading gives such a record when a positive score comes before a blank holder line.
void TestSettingsWriting::recordWithoutHolderReadsBack()
{
    QFETCH(QString, holder);
    QFETCH(qint32, score);

    SettingsState state;
    state.highScoreName = holder;
    state.highScore = score;
    state.highScoreKnown = true;
    const SettingsState read = readLines(settingsLines(state, u"Bob"_s));
    QVERIFY(read.highScoreKnown);
    QCOMPARE(read.highScore, score);
    QVERIFY(read.highScoreName.isEmpty());
}

void TestSettingsWriting::defaultLinesGiveAquaToBlue()
{
    const QStringList lines = defaultSettingsLines();
    QCOMPARE(lines, QStringList({u"animation=0"_s, u"color1=clAqua"_s, u"color2=clBlue"_s}));

    const SettingsState state = readLines(lines);
    QCOMPARE(state.startColor, Colors::Aqua);
    QCOMPARE(state.endColor, Colors::Blue);
    QVERIFY(!state.animation);
}

void TestSettingsWriting::namesCannotBreakTheirLine()
{
    SettingsState state;
    state.roster = QStringList {u"Ann\rhscore=1"_s};
    state.highScoreName = u"Eve\nname=X"_s;
    state.highScoreKnown = true;

    const QStringList lines = settingsLines(state, u"Bob\r\nhname=Mal"_s);
    QCOMPARE(lines.size(), 7);
    const QByteArray text = lines.join(u"\r\n"_s).toUtf8();
    const SettingsState read = readLines(splitSettingsText(text));
    QCOMPARE(read.roster, QStringList({u"Bob  hname=Mal"_s, u"Ann hscore=1"_s}));
    QCOMPARE(read.highScoreName, u"Eve name=X"_s);
}

void TestSettingsWriting::textSplitsIntoLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList {u"a"_s, u"b"_s};
    QTest::newRow("LF, last line unended") << QByteArray("a\nb") << QStringList {u"a"_s, u"b"_s};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList {u"a"_s, u"b"_s};
    QTest::newRow("empty line kept")
            << QByteArray("a\r\n\r\nb") << QStringList {u"a"_s, QString(), u"b"_s};
    QTest::newRow("LF CR is two ends") << QByteArray("\n\r") << QStringList {QString(), QString()};
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("byte-order mark dropped")
            << QByteArray("\xEF\xBB\xBFname=Bob") << QStringList {u"name=Bob"_s};
    QTest::newRow("multibyte name")
            << QByteArray("name=Zo\xC3\xAB") << QStringList {u"name=Zo\u00EB"_s};
    QTest::newRow("not UTF-8, an older version's code page")
            << QByteArray("name=Ren\xE9\nname=\x80\x81\x9F")
            << QStringList {u"name=Ren\u00E9"_s, u"name=\u20AC\u0081\u0178"_s};
    QTest::newRow("NUL kept") << QByteArray("name=A\0B", 8)
                              << QStringList {QString(u"name=A\0B"_s)};
}

void TestSettingsWriting::textSplitsIntoLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    QCOMPARE(splitSettingsText(bytes), lines);
}

void TestSettingsWriting::binaryDataLoadsSafely()
{
    QRandomGenerator generator(42);
    for (int round = 0; round < 50; ++round) {
        QByteArray bytes(4096, '\0');
        for (char &byte : bytes)
            byte = char(generator.bounded(256));
        // Keys now and then, so that values reach the name and number rules too.
        for (int i = 0; i < 40; ++i)
            bytes.replace(generator.bounded(4000), 6, i % 2 ? "\nname=" : "\nhname");

        SettingsState state;
        for (const QString &line : splitSettingsText(bytes)) {
            try {
                applySettingsLine(line, state);
            } catch (const ConversionError &) {
            }
        }
        for (const QString &name :
             std::as_const(state.roster) + QStringList {state.highScoreName}) {
            QVERIFY(name.size() <= 40);
            QVERIFY(name.isValidUtf16());
            QVERIFY(!name.contains(u'\r') && !name.contains(u'\n'));
        }
    }
}

QTEST_APPLESS_MAIN(TestSettingsWriting)
#include "tst_settingswriting.moc"
