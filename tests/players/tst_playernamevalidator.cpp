#include "players/playernamevalidator.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Grin = u"\U0001F600"_s;

} // namespace

class TestPlayerNameValidator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void limitedText_data();
    void limitedText();
    void typingStopsAtTwentyCharacters();
    void pastedLineBreaksNeverEnterTheField();
};

void TestPlayerNameValidator::limitedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("cursor");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<qsizetype>("expectedCursor");

    QTest::newRow("plain name") << u"Ann"_s << qsizetype(3) << u"Ann"_s << qsizetype(3);
    QTest::newRow("line break pasted in the middle")
            << u"Bo\r\nb"_s << qsizetype(4) << u"Bob"_s << qsizetype(2);
    QTest::newRow("tab, escape and delete")
            << u"\tA\x1Bn\x7Fn"_s << qsizetype(6) << u"Ann"_s << qsizetype(3);
    QTest::newRow("C1 control character")
            << u"A\u0085nn"_s << qsizetype(4) << u"Ann"_s << qsizetype(3);
    QTest::newRow("spaces stay") << u" Ann Lee "_s << qsizetype(0) << u" Ann Lee "_s
                                 << qsizetype(0);
    QTest::newRow("twenty characters fit")
            << u"a"_s.repeated(20) << qsizetype(20) << u"a"_s.repeated(20) << qsizetype(20);
    QTest::newRow("twenty-first typed at the end is dropped")
            << u"a"_s.repeated(20) + u"b"_s << qsizetype(21) << u"a"_s.repeated(20)
            << qsizetype(20);
    QTest::newRow("character typed in the middle of a full name is dropped")
            << u"aaaaaXaaaaaaaaaaaaaaa"_s << qsizetype(6) << u"a"_s.repeated(20) << qsizetype(5);
    QTest::newRow("paste keeps what fits of its start")
            << u"a"_s.repeated(18) + u"XYZ"_s << qsizetype(21) << u"a"_s.repeated(18) + u"XY"_s
            << qsizetype(20);
    QTest::newRow("paste in the middle keeps the text after the cursor")
            << u"abXYZcdefghijklmnopqr"_s << qsizetype(5) << u"abXYcdefghijklmnopqr"_s
            << qsizetype(4);
    QTest::newRow("characters beyond the basic plane count once")
            << Grin.repeated(20) << qsizetype(40) << Grin.repeated(20) << qsizetype(40);
    QTest::newRow("surrogate pair is never split")
            << u"a"_s.repeated(19) + Grin + Grin << qsizetype(23) << u"a"_s.repeated(19) + Grin
            << qsizetype(21);
    QTest::newRow("unpaired surrogate is dropped")
            << u"A\xD800nn"_s << qsizetype(4) << u"Ann"_s << qsizetype(3);
}

void TestPlayerNameValidator::limitedText()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, cursor);
    QFETCH(QString, expected);
    QFETCH(qsizetype, expectedCursor);

    QCOMPARE(PlayerNameValidator::limited(text, cursor), expected);
    QCOMPARE(cursor, expectedCursor);
}

void TestPlayerNameValidator::typingStopsAtTwentyCharacters()
{
    QLineEdit field;
    field.setValidator(new PlayerNameValidator(&field));
    QTest::keyClicks(&field, u"abcdefghijklmnopqrstuvwxyz"_s);
    QCOMPARE(field.text(), u"abcdefghijklmnopqrst"_s);

    field.setCursorPosition(3);
    QTest::keyClicks(&field, u"Z"_s);
    QCOMPARE(field.text(), u"abcdefghijklmnopqrst"_s);
    QCOMPARE(field.cursorPosition(), 3);
}

void TestPlayerNameValidator::pastedLineBreaksNeverEnterTheField()
{
    QLineEdit field;
    field.setValidator(new PlayerNameValidator(&field));
    QGuiApplication::clipboard()->setText(u"Bob\r\nhname=Eve"_s);
    field.paste();
    QCOMPARE(field.text(), u"Bobhname=Eve"_s);
    QCOMPARE(field.cursorPosition(), 12);
}

QTEST_MAIN(TestPlayerNameValidator)
#include "tst_playernamevalidator.moc"
