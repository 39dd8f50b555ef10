#include "widgets/gradient.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <climits>

using ColorTable = std::vector<Color>;

namespace {

constexpr QRgb Untouched = 0xFF123456;

Color pixelAt(const QImage &image, int x, int y)
{
    return fromQColor(image.pixelColor(x, y));
}

// The image has size in device pixels; rect is in the painter's units at ratio.
QImage paintedBands(QSize size, const QRect &rect, const ColorTable &table, qreal ratio = 1.0)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Untouched);
    QPainter painter(&image);
    painter.drawImage(rect.topLeft(), gradientBands(rect.size(), ratio, table));
    return image;
}

struct Run
{
    Color color;
    int firstRow;
    int rows;
};

// The horizontal bands of an image from top to bottom; every row must be of one colour.
QList<Run> bandsOf(const QImage &image)
{
    QList<Run> runs;
    for (int y = 0; y < image.height(); ++y) {
        const Color color = pixelAt(image, 0, y);
        for (int x = 1; x < image.width(); ++x) {
            if (pixelAt(image, x, y) != color)
                return {};
        }
        if (!runs.isEmpty() && runs.last().color == color)
            ++runs.last().rows;
        else
            runs.append({color, y, 1});
    }
    return runs;
}

} // namespace

class TestGradient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mulDivRoundsHalvesAwayFromZero_data();
    void mulDivRoundsHalvesAwayFromZero();
    void colorTableRunsFromStartToEnd_data();
    void colorTableRunsFromStartToEnd();
    void systemColorIsResolvedWhenTheTableIsBuilt();
    void windowFillsHaveEvenBands_data();
    void windowFillsHaveEvenBands();
    void mainWindowBandsFallOnTheirRows();
    void scaledScreensGetEvenBandsOfDevicePixels_data();
    void scaledScreensGetEvenBandsOfDevicePixels();
    void moreColoursThanRowsShowsOneColourPerRow();
    void bandsStayInsideTheirRectangle();
    void emptyTableOrRectangleDrawsNothing();
    void changesRebuildTheTableAndNotifyOnce();
    void unchangedValuesDoNothing();
    void colorCountIsKeptInRange();
};

void TestGradient::mulDivRoundsHalvesAwayFromZero_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("result");

    QTest::newRow("exact") << 6 << 4 << 3 << 8;
    QTest::newRow("below half") << 1 << 1 << 3 << 0;
    QTest::newRow("half rounds up") << 1 << 1 << 2 << 1;
    QTest::newRow("above half") << 2 << 1 << 3 << 1;
    QTest::newRow("negative half rounds down") << -1 << 1 << 2 << -1;
    QTest::newRow("negative below half") << -1 << 1 << 3 << 0;
    QTest::newRow("middle of a channel") << 1 << 255 << 2 << 128;
    QTest::newRow("falling channel") << 1 << -255 << 3 << -85;
    QTest::newRow("band edge") << 1 << 401 << 236 << 2;
    QTest::newRow("product beyond 32 bits") << 100000 << 100000 << 100000 << 100000;
    QTest::newRow("extreme product") << INT_MIN << INT_MIN << INT_MIN << INT_MIN;
    QTest::newRow("negative divisor") << 5 << 1 << -2 << -3;
    QTest::newRow("zero divisor") << 5 << 7 << 0 << -1;
    QTest::newRow("quotient too large") << INT_MAX << 4 << 2 << -1;
}

void TestGradient::mulDivRoundsHalvesAwayFromZero()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, z);
    QFETCH(int, result);
    QCOMPARE(multiplyDivide(x, y, z), result);
}

void TestGradient::colorTableRunsFromStartToEnd_data()
{
    QTest::addColumn<Color>("start");
    QTest::addColumn<Color>("end");
    QTest::addColumn<ColorTable>("table");

    QTest::newRow("black to white, middle rounds up")
            << Colors::Black << Colors::White << ColorTable{0x000000, 0x808080, 0xFFFFFF};
    QTest::newRow("red to black") << Colors::Red << Colors::Black
                                  << ColorTable{0x0000FF, 0x0000AA, 0x000055, 0x000000};
    QTest::newRow("equal colours")
            << Colors::Teal << Colors::Teal << ColorTable{Colors::Teal, Colors::Teal, Colors::Teal};
    QTest::newRow("channels move on their own")
            << Color(0x00102030) << Color(0x00302010) << ColorTable{0x102030, 0x202020, 0x302010};
}

void TestGradient::colorTableRunsFromStartToEnd()
{
    QFETCH(Color, start);
    QFETCH(Color, end);
    QFETCH(ColorTable, table);
    QCOMPARE(gradientColorTable(start, end, int(table.size())), table);
}

void TestGradient::systemColorIsResolvedWhenTheTableIsBuilt()
{
    const QPalette original = QGuiApplication::palette();
    QPalette palette = original;
    palette.setColor(QPalette::Button, QColor(0x11, 0x22, 0x33));
    QGuiApplication::setPalette(palette);

    Gradient gradient;
    gradient.setColor(Colors::ButtonFace);
    QCOMPARE(gradient.colorTable().front(), Color(0x00332211));

    palette.setColor(QPalette::Button, QColor(0x44, 0x55, 0x66));
    QGuiApplication::setPalette(palette);
    QCOMPARE(gradient.colorTable().front(), Color(0x00332211));
    gradient.setEndColor(Colors::White);
    QCOMPARE(gradient.colorTable().front(), Color(0x00665544));

    QGuiApplication::setPalette(original);
}

void TestGradient::windowFillsHaveEvenBands_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("minRows");
    QTest::addColumn<int>("maxRows");

    QTest::newRow("main window") << QSize(601, 401) << 236 << 1 << 2;
    QTest::newRow("About window") << QSize(401, 225) << 64 << 3 << 4;
    QTest::newRow("Highest Score window") << QSize(369, 193) << 64 << 3 << 4;
    QTest::newRow("help window") << QSize(393, 297) << 200 << 1 << 2;
    QTest::newRow("colour scheme dialog") << QSize(177, 209) << 200 << 1 << 2;
}

void TestGradient::windowFillsHaveEvenBands()
{
    QFETCH(QSize, size);
    QFETCH(int, count);
    QFETCH(int, minRows);
    QFETCH(int, maxRows);

    const ColorTable table = gradientColorTable(Colors::Aqua, Colors::Blue, count);
    const QList<Run> runs = bandsOf(paintedBands(size, QRect(QPoint(), size), table));
    QCOMPARE(runs.size(), count);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(runs.at(i).color, table.at(std::size_t(i)));
        QVERIFY2(runs.at(i).rows >= minRows && runs.at(i).rows <= maxRows,
                 qPrintable(QStringLiteral("band %1 has %2 rows").arg(i).arg(runs.at(i).rows)));
    }
}

void TestGradient::mainWindowBandsFallOnTheirRows()
{
    const ColorTable table = gradientColorTable(Colors::Aqua, Colors::Blue, 236);
    const QList<Run> runs = bandsOf(paintedBands(QSize(601, 401), QRect(0, 0, 601, 401), table));
    QCOMPARE(runs.size(), 236);

    QCOMPARE(runs.at(0).color, Color(0x00FFFF00));
    QCOMPARE(runs.at(0).firstRow, 0);
    QCOMPARE(runs.at(0).rows, 2);
    QCOMPARE(runs.at(1).color, Color(0x00FFFE00));
    QCOMPARE(runs.at(1).firstRow, 2);
    QCOMPARE(runs.at(1).rows, 1);
    QCOMPARE(runs.at(118).color, Color(0x00FF7F00));
    QCOMPARE(runs.at(118).firstRow, 201);
    QCOMPARE(runs.at(118).rows, 1);
    QCOMPARE(runs.at(235).color, Color(0x00FF0000));
    QCOMPARE(runs.at(235).firstRow, 399);
    QCOMPARE(runs.at(235).rows, 2);
}

void TestGradient::scaledScreensGetEvenBandsOfDevicePixels_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("deviceSize");
    QTest::addColumn<int>("minRows");
    QTest::addColumn<int>("maxRows");

    // The main window's 601 x 401 fill with its 236 colours.
    QTest::newRow("125 %") << 1.25 << QSize(752, 502) << 2 << 3;
    QTest::newRow("150 %") << 1.5 << QSize(902, 602) << 2 << 3;
    QTest::newRow("200 %") << 2.0 << QSize(1202, 802) << 3 << 4;
    QTest::newRow("300 %") << 3.0 << QSize(1803, 1203) << 5 << 6;
}

void TestGradient::scaledScreensGetEvenBandsOfDevicePixels()
{
    QFETCH(qreal, ratio);
    QFETCH(QSize, deviceSize);
    QFETCH(int, minRows);
    QFETCH(int, maxRows);

    const ColorTable table = gradientColorTable(Colors::Aqua, Colors::Blue, 236);
    const QList<Run> runs = bandsOf(paintedBands(deviceSize, QRect(0, 0, 601, 401), table, ratio));
    QCOMPARE(runs.size(), 236);
    QCOMPARE(runs.first().color, table.front());
    QCOMPARE(runs.last().color, table.back());
    QCOMPARE(runs.last().firstRow + runs.last().rows, deviceSize.height());
    for (const Run &run : runs)
        QVERIFY2(run.rows >= minRows && run.rows <= maxRows,
                 qPrintable(QStringLiteral("a band has %1 rows").arg(run.rows)));
}

void TestGradient::moreColoursThanRowsShowsOneColourPerRow()
{
    const ColorTable table = gradientColorTable(Colors::Aqua, Colors::Blue, 100);
    const QList<Run> runs = bandsOf(paintedBands(QSize(30, 40), QRect(0, 0, 30, 40), table));
    QCOMPARE(runs.size(), 40);
    // The first and last bands round to no rows at all.
    QCOMPARE(runs.first().color, table.at(1));
    QCOMPARE(runs.last().color, table.at(98));
    auto next = table.cbegin();
    for (const Run &run : runs) {
        next = std::find(next, table.cend(), run.color);
        QVERIFY2(next != table.cend(), "rows are not in the order of the table");
    }
}

void TestGradient::bandsStayInsideTheirRectangle()
{
    const QRect rect(5, 7, 20, 30);
    const QImage image
            = paintedBands(QSize(40, 50), rect, gradientColorTable(Colors::Red, Colors::Lime, 3));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y) == Untouched, !rect.contains(x, y));
    }
    QCOMPARE(pixelAt(image, 5, 7), Colors::Red);
    QCOMPARE(pixelAt(image, 24, 36), Colors::Lime);
}

void TestGradient::emptyTableOrRectangleDrawsNothing()
{
    const ColorTable table = gradientColorTable(Colors::Red, Colors::Lime, 4);
    const QList<QRect> rects = {QRect(0, 0, 0, 10), QRect(0, 0, 10, 0), QRect(3, 3, -2, 5)};
    for (const QRect &rect : rects) {
        const QImage image = paintedBands(QSize(10, 10), rect, table);
        QVERIFY(image.pixel(0, 0) == Untouched && image.pixel(9, 9) == Untouched);
    }
    const QImage image = paintedBands(QSize(10, 10), QRect(0, 0, 10, 10), {});
    QVERIFY(image.pixel(0, 0) == Untouched && image.pixel(9, 9) == Untouched);
}

void TestGradient::changesRebuildTheTableAndNotifyOnce()
{
    Gradient gradient;
    QCOMPARE(gradient.colorTable(), gradientColorTable(Colors::Blue, Colors::Black, 16));

    QSignalSpy changes(&gradient, &Gradient::changed);
    gradient.setColor(Colors::Aqua);
    QCOMPARE(changes.size(), 1);
    gradient.setEndColor(Colors::Blue);
    QCOMPARE(changes.size(), 2);
    gradient.setColorCount(236);
    QCOMPARE(changes.size(), 3);
    QCOMPARE(gradient.colorTable(), gradientColorTable(Colors::Aqua, Colors::Blue, 236));
}

void TestGradient::unchangedValuesDoNothing()
{
    Gradient gradient;
    const Color *table = gradient.colorTable().data();
    QSignalSpy changes(&gradient, &Gradient::changed);
    gradient.setColor(Colors::Blue);
    gradient.setEndColor(Colors::Black);
    gradient.setColorCount(16);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(gradient.colorTable().data(), table);
}

void TestGradient::colorCountIsKeptInRange()
{
    Gradient gradient;
    gradient.setColorCount(1);
    QCOMPARE(gradient.colorTable().size(), std::size_t(2));
    gradient.setColorCount(1000);
    QCOMPARE(gradient.colorTable().size(), std::size_t(236));
    QCOMPARE(gradient.colorTable().back(), Colors::Black);
}

QTEST_MAIN(TestGradient)
#include "tst_gradient.moc"
