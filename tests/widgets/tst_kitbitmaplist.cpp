#include "widgets/kitbitmaplist.h"

#include "app/errors.h"
#include "widgets/kitcolor.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

namespace {

constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Green = 0xFF00FF00;

struct BmpHeader
{
    qint64 fileSize;
    int width;
    int height;
    int bitsPerPixel;
    int compression;
};

BmpHeader readHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (data.size() < 54 || !data.startsWith("BM"))
        return {};
    const auto at = [&](int offset) { return data.constData() + offset; };
    return {data.size(), qFromLittleEndian<qint32>(at(18)), qFromLittleEndian<qint32>(at(22)),
            qFromLittleEndian<quint16>(at(28)), qFromLittleEndian<qint32>(at(30))};
}

} // namespace

class TestKitBitmapList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void facesAreStoredAs24BitPictures_data();
    void facesAreStoredAs24BitPictures();
    void listHoldsTheSixFacesInOrder();
    void faceCornersAreTheTransparentRed();
    void indexOutsideTheListIsAnError_data();
    void indexOutsideTheListIsAnError();
    void heldMarkerIsRedLettersOnGreen();
};

void TestKitBitmapList::facesAreStoredAs24BitPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qint64>("fileSize");

    for (int face = 1; face <= 6; ++face)
        QTest::addRow("face %d", face)
                << QStringLiteral(":/dice/face%1.bmp").arg(face) << QSize(96, 96) << qint64(27702);
    QTest::newRow("held marker") << QStringLiteral(":/dice/held.bmp") << QSize(96, 16)
                                 << qint64(4662);
}

void TestKitBitmapList::facesAreStoredAs24BitPictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(qint64, fileSize);

    const BmpHeader header = readHeader(path);
    QCOMPARE(header.fileSize, fileSize);
    QCOMPARE(QSize(header.width, header.height), size);
    QCOMPARE(header.bitsPerPixel, 24);
    QCOMPARE(header.compression, 0);
}

void TestKitBitmapList::listHoldsTheSixFacesInOrder()
{
    const TKitBitmapList list;
    QCOMPARE(list.count(), 6);
    for (int index = 0; index < list.count(); ++index) {
        const QImage &face = list.Bitmap(index);
        QCOMPARE(face.size(), QSize(96, 96));
        QCOMPARE(face, QImage(QStringLiteral(":/dice/face%1.bmp").arg(index + 1)));
    }
    // Value 1 has its single pip in the middle, which every even value leaves white.
    QCOMPARE(list.Bitmap(0).pixel(48, 47), qRgb(0, 0, 0));
    QCOMPARE(list.Bitmap(1).pixel(48, 47), qRgb(255, 255, 255));
    // Only six has pips halfway down the sides.
    QCOMPARE(list.Bitmap(5).pixel(23, 47), qRgb(0, 0, 0));
    QCOMPARE(list.Bitmap(4).pixel(23, 47), qRgb(255, 255, 255));
}

void TestKitBitmapList::faceCornersAreTheTransparentRed()
{
    const TKitBitmapList list;
    for (int index = 0; index < list.count(); ++index) {
        const QImage &face = list.Bitmap(index);
        QCOMPARE(face.pixel(0, 95), Red);
        QCOMPARE(face.pixel(0, 0), Red);
        QCOMPARE(face.pixel(95, 0), Red);
        QCOMPARE(face.pixel(95, 95), Red);
        // Nothing inside the die may take the transparent colour, or holes would show.
        for (int i = 0; i < 96; ++i) {
            QVERIFY(face.pixel(i, 48) != Red);
            QVERIFY(face.pixel(48, i) != Red);
        }
    }
}

void TestKitBitmapList::indexOutsideTheListIsAnError_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("below") << -1;
    QTest::newRow("past the end") << 6;
}

void TestKitBitmapList::indexOutsideTheListIsAnError()
{
    QFETCH(int, index);
    const TKitBitmapList list;
    try {
        list.Bitmap(index);
        QFAIL("no error raised");
    } catch (const TovikError &error) {
        QCOMPARE(error.message(), QStringLiteral("List index out of bounds (%1)").arg(index));
    }
}

void TestKitBitmapList::heldMarkerIsRedLettersOnGreen()
{
    const QImage marker = heldMarkerPicture();
    QCOMPARE(marker.size(), QSize(96, 16));
    QCOMPARE(marker.pixel(0, 15), Green);
    int red = 0;
    int leftmost = 96;
    int rightmost = -1;
    for (int y = 0; y < marker.height(); ++y) {
        for (int x = 0; x < marker.width(); ++x) {
            const QRgb pixel = marker.pixel(x, y);
            QVERIFY(pixel == Red || pixel == Green);
            if (pixel == Red) {
                ++red;
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
        }
    }
    QVERIFY(red > 0);
    QCOMPARE(leftmost, 0);
    QCOMPARE(rightmost, 95);
}

QTEST_APPLESS_MAIN(TestKitBitmapList)
#include "tst_kitbitmaplist.moc"
