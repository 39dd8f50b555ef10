#include "base/errors.h"
#include "players/colortext.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

class TestColorText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namedColorsReadAndWriteByName_data();
    void namedColorsReadAndWriteByName();
    void otherColorsAreWrittenInHex_data();
    void otherColorsAreWrittenInHex();
    void anyColorSurvivesTheRoundTrip();
    void colorNamesIgnoreOnlyAsciiCase_data();
    void colorNamesIgnoreOnlyAsciiCase();
    void integersAreRead_data();
    void integersAreRead();
    void malformedIntegersAreRefused_data();
    void malformedIntegersAreRefused();
    void longMalformedTextIsQuotedCut_data();
    void longMalformedTextIsQuotedCut();
};

void TestColorText::namedColorsReadAndWriteByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Color>("value");

    const std::pair<const char *, Color> colors[] = {
            {"clBlack", 0x00000000u}, {"clMaroon", 0x00000080u},  {"clGreen", 0x00008000u},
            {"clOlive", 0x00008080u}, {"clNavy", 0x00800000u},    {"clPurple", 0x00800080u},
            {"clTeal", 0x00808000u},  {"clGray", 0x00808080u},    {"clSilver", 0x00C0C0C0u},
            {"clRed", 0x000000FFu},   {"clLime", 0x0000FF00u},    {"clYellow", 0x0000FFFFu},
            {"clBlue", 0x00FF0000u},  {"clFuchsia", 0x00FF00FFu}, {"clAqua", 0x00FFFF00u},
            {"clWhite", 0x00FFFFFFu}, {"clNone", 0x1FFFFFFFu},
    };
    for (const auto &[name, value] : colors)
        QTest::newRow(name) << QString::fromLatin1(name) << value;

    const char *systemNames[] = {
            "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
            "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
            "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
            "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
            "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
            "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
            "clInfoBk",
    };
    Color value = 0x80000000u;
    for (const char *name : systemNames)
        QTest::newRow(name) << QString::fromLatin1(name) << value++;
}

void TestColorText::namedColorsReadAndWriteByName()
{
    QFETCH(QString, name);
    QFETCH(Color, value);

    QCOMPARE(formatColorText(value), name);
    QCOMPARE(parseColorText(name), value);
    QCOMPARE(parseColorText(name.toLower()), value);
    QCOMPARE(parseColorText(name.toUpper()), value);
}

void TestColorText::otherColorsAreWrittenInHex_data()
{
    QTest::addColumn<Color>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("one") << Color(1) << u"$00000001"_s;
    QTest::newRow("letters upper case") << Color(0x00ABCDEF) << u"$00ABCDEF"_s;
    QTest::newRow("after the last system colour") << Color(0x80000019) << u"$80000019"_s;
    QTest::newRow("all bits") << Color(0xFFFFFFFF) << u"$FFFFFFFF"_s;
}

void TestColorText::otherColorsAreWrittenInHex()
{
    QFETCH(Color, value);
    QFETCH(QString, text);

    QCOMPARE(formatColorText(value), text);
    QCOMPARE(parseColorText(text), value);
}

void TestColorText::anyColorSurvivesTheRoundTrip()
{
    QRandomGenerator generator(20240601);
    for (int i = 0; i < 10000; ++i) {
        const Color color = generator.generate();
        QCOMPARE(parseColorText(formatColorText(color)), color);
    }
}

void TestColorText::colorNamesIgnoreOnlyAsciiCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<Color>("value");

    QTest::newRow("lower case") << u"clred"_s << true << Colors::Red;
    QTest::newRow("mixed case") << u"CLbTnFaCe"_s << true << Colors::ButtonFace;
    QTest::newRow("Kelvin sign for k") << u"clBlac\u212A"_s << false << Colors::Black;
    QTest::newRow("dotless i") << u"clWh\u0131te"_s << false << Colors::Black;
    QTest::newRow("space after name") << u"clRed "_s << false << Colors::Black;
}

void TestColorText::colorNamesIgnoreOnlyAsciiCase()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(Color, value);

    if (valid)
        QCOMPARE(parseColorText(text), value);
    else
        QVERIFY_THROWS_EXCEPTION(ConversionError, parseColorText(text));
}

void TestColorText::integersAreRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("value");

    QTest::newRow("decimal") << u"255"_s << 255;
    QTest::newRow("leading spaces") << u"   255"_s << 255;
    QTest::newRow("zero") << u"0"_s << 0;
    QTest::newRow("plus") << u"+7"_s << 7;
    QTest::newRow("minus after spaces") << u"  -12"_s << -12;
    QTest::newRow("smallest") << u"-2147483648"_s << std::numeric_limits<qint32>::min();
    QTest::newRow("dollar") << u"$0000FF"_s << 255;
    QTest::newRow("x") << u"xFF"_s << 255;
    QTest::newRow("0x") << u"0xff"_s << 255;
    QTest::newRow("negative hex") << u"-$10"_s << -16;
    QTest::newRow("hex wraps to negative") << u"$80000000"_s << std::numeric_limits<qint32>::min();
    QTest::newRow("all hex bits") << u"$FFFFFFFF"_s << -1;
}

void TestColorText::integersAreRead()
{
    QFETCH(QString, text);
    QFETCH(qint32, value);

    QCOMPARE(parseIntegerText(text), value);
}

void TestColorText::malformedIntegersAreRefused_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("space after") << u"255 "_s;
    QTest::newRow("space inside") << u"2 55"_s;
    QTest::newRow("tab before") << u"\t255"_s;
    QTest::newRow("space after sign") << u"- 5"_s;
    QTest::newRow("two signs") << u"+-5"_s;
    QTest::newRow("dollar only") << u"$"_s;
    QTest::newRow("0x only") << u"0x"_s;
    QTest::newRow("decimal too large") << u"2147483648"_s;
    QTest::newRow("decimal too small") << u"-2147483649"_s;
    QTest::newRow("hex too large") << u"$100000000"_s;
    QTest::newRow("nine hex digits") << u"$000000001"_s;
    QTest::newRow("not a hex digit") << u"$FG"_s;
    QTest::newRow("Arabic-Indic digit") << u"\u0663"_s;
    QTest::newRow("full-width digits") << u"\uFF11\uFF12"_s;
    QTest::newRow("NUL after digits") << QString(u"12\0"_s);
}

void TestColorText::malformedIntegersAreRefused()
{
    QFETCH(QString, text);

    try {
        parseIntegerText(text);
        QFAIL("the text was read as a number");
    } catch (const ConversionError &error) {
        QCOMPARE(error.message(), u"'%1' is not a valid integer value"_s.arg(text));
    }
}

void TestColorText::longMalformedTextIsQuotedCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");

    const QString eighty(80, u'x');
    QTest::newRow("80 characters in full") << eighty << eighty;
    QTest::newRow("81 characters cut") << eighty + u"y"_s << eighty + u"\u2026"_s;
    QTest::newRow("pair at the cut kept whole")
            << eighty.first(79) + u"\U0001F600"_s << eighty.first(79) + u"\u2026"_s;
}

void TestColorText::longMalformedTextIsQuotedCut()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);

    QCOMPARE(ConversionError(text).message(), u"'%1' is not a valid integer value"_s.arg(quoted));
}

QTEST_APPLESS_MAIN(TestColorText)
#include "tst_colortext.moc"
