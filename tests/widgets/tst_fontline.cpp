#include "widgets/fontline.h"
#include "widgets/kitfonts.h"

#include <QTest>

class TestFontLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tahomaLineIsTheOneTheLayoutsGiveIt_data();
    void tahomaLineIsTheOneTheLayoutsGiveIt();
};

// The heights are those of the labels that hold one line of each font: 16 for the 13-pixel
// captions, 19 for the Highest Score window's 16-pixel ones, 33 for "CPU".
void TestFontLine::tahomaLineIsTheOneTheLayoutsGiveIt_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("ascent");
    QTest::addColumn<int>("height");
    QTest::newRow("13 pixels") << 13 << false << 13 << 16;
    QTest::newRow("16 pixels, bold") << 16 << true << 16 << 19;
    QTest::newRow("27 pixels, bold") << 27 << true << 27 << 33;
}

void TestFontLine::tahomaLineIsTheOneTheLayoutsGiveIt()
{
    QFETCH(const int, pixelSize);
    QFETCH(const bool, bold);
    QFETCH(const int, ascent);
    QFETCH(const int, height);
    const FontLine line = fullFontLine(tahomaFont(pixelSize, bold));
    QCOMPARE(line.ascent, ascent);
    QCOMPARE(line.height(), height);
}

QTEST_MAIN(TestFontLine)
#include "tst_fontline.moc"
