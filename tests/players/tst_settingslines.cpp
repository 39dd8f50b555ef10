#include "base/errors.h"
#include "players/settingslines.h"

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

QTEST_APPLESS_MAIN(TestSettingsLines)
#include "tst_settingslines.moc"
