#include "app/errors.h"
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

const QString TwentyLetters = u"abcdefghijklmnopqrst"_s;
const QString Grinning = u"\U0001F600"_s;

} // namespace

class TestSettingsLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void animationLines_data();
    void animationLines();
    void nameLines_data();
    void nameLines();
    void colorLines_data();
    void colorLines();
    void malformedNumbersChangeNothing_data();
    void malformedNumbersChangeNothing();
    void highScoreNeedsItsHolder_data();
    void highScoreNeedsItsHolder();
    void emptyFileSetsNothing();
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

void TestSettingsLines::animationLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");

    QTest::newRow("=0 turns off") << u"animation=0"_s << true << false;
    QTest::newRow("any separator") << u"animation:0"_s << true << false;
    QTest::newRow("separator outside the BMP")
            << u"animation"_s + Grinning + u"0"_s << true << false;
    QTest::newRow("=1 turns on") << u"animation=1"_s << false << true;
    QTest::newRow("empty value") << u"animation="_s << false << true;
    QTest::newRow("key alone") << u"animation"_s << false << true;
    QTest::newRow("space after 0") << u"animation=0 "_s << false << true;
    QTest::newRow("00") << u"animation=00"_s << false << true;
    QTest::newRow("other case ignored") << u"Animation=0"_s << true << true;
    QTest::newRow("shorter than the key") << u"animatio"_s << false << false;
}

void TestSettingsLines::animationLines()
{
    QFETCH(QString, line);
    QFETCH(bool, before);
    QFETCH(bool, after);

    SettingsState state;
    state.animation = before;
    applySettingsLine(line, state);
    QCOMPARE(state.animation, after);
}

void TestSettingsLines::nameLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("roster");

    QTest::newRow("name") << u"name=Bob"_s << QStringList {u"Bob"_s};
    QTest::newRow("any separator") << u"name:Bob"_s << QStringList {u"Bob"_s};
    QTest::newRow("capitalised key") << u"Name=Bob"_s << QStringList();
    QTest::newRow("upper-case key") << u"NAME=Bob"_s << QStringList();
    QTest::newRow("empty") << u"name="_s << QStringList();
    QTest::newRow("spaces only") << u"name=     "_s << QStringList();
    QTest::newRow("spaces around") << u"name=  Bob  "_s << QStringList {u"Bob"_s};
    QTest::newRow("control characters around") << u"name=\tBob\x01"_s << QStringList {u"Bob"_s};
    QTest::newRow("control characters inside dropped")
            << u"name=B\x01o\u007Fb\u0085"_s << QStringList {u"Bob"_s};
    QTest::newRow("control characters only") << u"name=\x7F\u0080"_s << QStringList();
    QTest::newRow("space behind a control character")
            << u"name=\x7F Bob"_s << QStringList {u"Bob"_s};
    QTest::newRow("no-break space kept") << u"name=\u00A0Bob"_s << QStringList {u"\u00A0Bob"_s};
    QTest::newRow("25 letters") << u"name="_s + TwentyLetters + u"uvwxy"_s
                                << QStringList {TwentyLetters};
    QTest::newRow("5 spaces and 20 letters")
            << u"name=     "_s + TwentyLetters << QStringList {TwentyLetters.first(15)};
    QTest::newRow("20 spaces and a name")
            << u"name="_s + QString(20, u' ') + u"Bob"_s << QStringList();
    QTest::newRow("accented letters")
            << u"name="_s + QString(25, u'\u00E9') << QStringList {QString(20, u'\u00E9')};
    QTest::newRow("pair at the cut") << u"name="_s + TwentyLetters.first(19) + Grinning + u"z"_s
                                     << QStringList {TwentyLetters.first(19) + Grinning};
}

void TestSettingsLines::nameLines()
{
    QFETCH(QString, line);
    QFETCH(QStringList, roster);

    SettingsState state;
    applySettingsLine(line, state);
    QCOMPARE(state.roster, roster);
}

void TestSettingsLines::colorLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Color>("start");
    QTest::addColumn<Color>("end");

    QTest::newRow("name ignoring case") << u"color1=clred"_s << Colors::Red << Colors::Black;
    QTest::newRow("space before") << u"color1= 255"_s << Colors::Red << Colors::Black;
    QTest::newRow("any separator") << u"color2:clNavy"_s << Colors::Black << Colors::Navy;
    QTest::newRow("other case ignored") << u"Color1=clRed"_s << Colors::Black << Colors::Black;
}

void TestSettingsLines::colorLines()
{
    QFETCH(QString, line);
    QFETCH(Color, start);
    QFETCH(Color, end);

    SettingsState state;
    applySettingsLine(line, state);
    QCOMPARE(state.startColor, start);
    QCOMPARE(state.endColor, end);
}

void TestSettingsLines::malformedNumbersChangeNothing_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");

    QTest::newRow("space after colour number")
            << u"color1=255 "_s << u"'255 ' is not a valid integer value"_s;
    QTest::newRow("space after colour name")
            << u"color2=clRed "_s << u"'clRed ' is not a valid integer value"_s;
    QTest::newRow("score with letters")
            << u"hscore=12x"_s << u"'12x' is not a valid integer value"_s;
}

void TestSettingsLines::malformedNumbersChangeNothing()
{
    QFETCH(QString, line);
    QFETCH(QString, message);

    SettingsState state;
    applySettingsLine(u"color1=clTeal"_s, state);
    applySettingsLine(u"color2=clLime"_s, state);
    applySettingsLine(u"hname=Bob"_s, state);
    applySettingsLine(u"hscore=40"_s, state);
    try {
        applySettingsLine(line, state);
        QFAIL("the malformed number was read");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(), message);
    }
    QCOMPARE(state.startColor, Colors::Teal);
    QCOMPARE(state.endColor, Colors::Lime);
    QCOMPARE(state.highScore, 40);
}

void TestSettingsLines::highScoreNeedsItsHolder_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint32>("score");
    QTest::addColumn<bool>("known");

    QTest::newRow("blank holder") << QStringList {u"hname=  "_s, u"hscore=500"_s} << QString() << 0
                                  << false;
    QTest::newRow("score 0 with holder")
            << QStringList {u"hname=Bob"_s, u"hscore=0"_s} << u"Bob"_s << 0 << true;
    QTest::newRow("score before holder")
            << QStringList {u"hscore=312"_s, u"hname=Bob"_s} << u"Bob"_s << 312 << true;
    QTest::newRow("score 0 before holder")
            << QStringList {u"hscore=0"_s, u"hname=Bob"_s} << u"Bob"_s << 0 << false;
    QTest::newRow("score before blank holder")
            << QStringList {u"hscore=500"_s, u"hname="_s} << QString() << 500 << true;
    QTest::newRow("blank holder keeps the last")
            << QStringList {u"hname=Ann"_s, u"hname= "_s, u"hscore=7"_s} << u"Ann"_s << 7 << true;
    QTest::newRow("last holder wins")
            << QStringList {u"hname=Ann"_s, u"hname=Bob"_s, u"hscore=7"_s} << u"Bob"_s << 7 << true;
    QTest::newRow("holder cut and trimmed")
            << QStringList {u"hname=  "_s + TwentyLetters, u"hscore=$10"_s}
            << TwentyLetters.first(18) << 16 << true;
}

void TestSettingsLines::highScoreNeedsItsHolder()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, name);
    QFETCH(qint32, score);
    QFETCH(bool, known);

    const SettingsState state = readLines(lines);
    QCOMPARE(state.highScoreName, name);
    QCOMPARE(state.highScore, score);
    QCOMPARE(state.highScoreKnown, known);
}

void TestSettingsLines::emptyFileSetsNothing()
{
    const SettingsState state = readLines(splitSettingsText(QByteArray()));
    QCOMPARE(state.startColor, Colors::Black);
    QCOMPARE(state.endColor, Colors::Black);
    QVERIFY(!state.animation);
    QVERIFY(state.roster.isEmpty());
    QVERIFY(!state.highScoreKnown);
}

void TestSettingsLines::writerPutsTheCurrentPlayerFirst_data()
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

void TestSettingsLines::writerPutsTheCurrentPlayerFirst()
{
    QFETCH(QStringList, roster);
    QFETCH(QString, player);
    QFETCH(QStringList, names);

    SettingsState state;
    state.roster = roster;
    QCOMPARE(settingsLines(state, player).mid(3), names);
}

void TestSettingsLines::writtenFileReadsBack()
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

void TestSettingsLines::highScoreIsWrittenOnlyWhenKnown()
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

void TestSettingsLines::recordWithoutHolderReadsBack_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<qint32>("score");

    QTest::newRow("positive score") << QString() << 500;
    QTest::newRow("score 0") << QString() << 0;
    QTest::newRow("negative score") << QString() << -7;
    QTest::newRow("holder of blanks") << u"  "_s << 9;
}

// Reading gives such a record when a positive score comes before a blank holder line.
void TestSettingsLines::recordWithoutHolderReadsBack()
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

void TestSettingsLines::defaultLinesGiveAquaToBlue()
{
    const QStringList lines = defaultSettingsLines();
    QCOMPARE(lines, QStringList({u"animation=0"_s, u"color1=clAqua"_s, u"color2=clBlue"_s}));

    const SettingsState state = readLines(lines);
    QCOMPARE(state.startColor, Colors::Aqua);
    QCOMPARE(state.endColor, Colors::Blue);
    QVERIFY(!state.animation);
}

void TestSettingsLines::namesCannotBreakTheirLine()
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

void TestSettingsLines::textSplitsIntoLines_data()
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

void TestSettingsLines::textSplitsIntoLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    QCOMPARE(splitSettingsText(bytes), lines);
}

void TestSettingsLines::binaryDataLoadsSafely()
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

QTEST_APPLESS_MAIN(TestSettingsLines)
#include "tst_settingslines.moc"
