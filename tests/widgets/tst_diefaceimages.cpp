#include "widgets/diefaceimages.h"

#include "base/color.h"
#include "base/errors.h"

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

class TestDieFaceImages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void facesAreStoredAs24BitPictures_data();
    void facesAreStoredAs24BitPictures();
    void listHoldsTheSixFacesInOrder();
    void faceCornersAreTheTransparentRed_data();
    void faceCornersAreTheTransparentRed();
    void indexOutsideTheListIsAnError_data();
    void indexOutsideTheListIsAnError();
    void heldMarkerIsRedLettersOnGreen();
};

void TestDieFaceImages::facesAreStoredAs24BitPictures_data()
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

void TestDieFaceImages::facesAreStoredAs24BitPictures()
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

void TestDieFaceImages::listHoldsTheSixFacesInOrder()
{
    const DieFaceImages list;
    QCOMPARE(list.count(), 6);
    for (int index = 0; index < list.count(); ++index) {
        const QImage &face = list.faceImage(index);
        QCOMPARE(face.size(), QSize(96, 96));
        QCOMPARE(face, QImage(QStringLiteral(":/dice/face%1.bmp").arg(index + 1)));
    }
    // Value 1 has its single pip in the middle, which every even value leaves white.
    QCOMPARE(list.faceImage(0).pixel(48, 47), qRgb(0, 0, 0));
    QCOMPARE(list.faceImage(1).pixel(48, 47), qRgb(255, 255, 255));
    // Only six has pips halfway down the sides.
    QCOMPARE(list.faceImage(5).pixel(23, 47), qRgb(0, 0, 0));
    QCOMPARE(list.faceImage(4).pixel(23, 47), qRgb(255, 255, 255));
}

void TestDieFaceImages::faceCornersAreTheTransparentRed_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("size");
    QTest::newRow("designed") << QStringLiteral(".bmp") << 96;
    QTest::newRow("200 %") << QStringLiteral("@2x.png") << 192;
    QTest::newRow("300 %") << QStringLiteral("@3x.png") << 288;
}

void TestDieFaceImages::faceCornersAreTheTransparentRed()
{
    QFETCH(QString, suffix);
    QFETCH(int, size);
    const int last = size - 1;
    for (int value = 1; value <= 6; ++value) {
        const QImage face(QStringLiteral(":/dice/face%1").arg(value) + suffix);
        QCOMPARE(face.size(), QSize(size, size));
        QCOMPARE(face.pixel(0, last), Red);
        QCOMPARE(face.pixel(0, 0), Red);
        QCOMPARE(face.pixel(last, 0), Red);
        QCOMPARE(face.pixel(last, last), Red);
        // Nothing inside the die may take the transparent colour, or holes would show.
        for (int i = 0; i < size; ++i) {
            QVERIFY(face.pixel(i, size / 2) != Red);
            QVERIFY(face.pixel(size / 2, i) != Red);
        }
    }
}

void TestDieFaceImages::indexOutsideTheListIsAnError_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("below") << -1;
    QTest::newRow("past the end") << 6;
}

void TestDieFaceImages::indexOutsideTheListIsAnError()
{
    QFETCH(int, index);
    const DieFaceImages list;
    try {
        list.faceImage(index);
        QFAIL("no error raised");
    } catch (const TovikError &error) {
        QCOMPARE(error.message(), QStringLiteral("List index out of bounds (%1)").arg(index));
    }
}

void TestDieFaceImages::heldMarkerIsRedLettersOnGreen()
{
    const QImage marker = heldMarkerPicture().designed();
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

QTEST_APPLESS_MAIN(TestDieFaceImages)
#include "tst_diefaceimages.moc"
