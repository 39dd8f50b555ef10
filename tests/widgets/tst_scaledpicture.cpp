#include "widgets/scaledpicture.h"

#include <QTest>

class TestScaledPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screensGetTheVersionDrawnForThem_data();
    void screensGetTheVersionDrawnForThem();
    void otherScalesGetAPictureOfTheDeviceSize_data();
    void otherScalesGetAPictureOfTheDeviceSize();
};

void TestScaledPicture::screensGetTheVersionDrawnForThem_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("file");
    QTest::newRow("100 %") << 1.0 << QStringLiteral(":/dice/face3.bmp");
    QTest::newRow("200 %") << 2.0 << QStringLiteral(":/dice/face3@2x.png");
    QTest::newRow("300 %") << 3.0 << QStringLiteral(":/dice/face3@3x.png");
}

void TestScaledPicture::screensGetTheVersionDrawnForThem()
{
    QFETCH(qreal, ratio);
    QFETCH(QString, file);
    const QPixmap pixmap
            = ScaledPicture::fromFiles(QStringLiteral(":/dice/face3.bmp")).pixmapFor(ratio);
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_RGB32),
             QImage(file).convertToFormat(QImage::Format_RGB32));
}

void TestScaledPicture::otherScalesGetAPictureOfTheDeviceSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("deviceSize");

    const QString face = QStringLiteral(":/dice/face4.bmp");
    QTest::newRow("125 %") << face << 1.25 << QSize(120, 120);
    QTest::newRow("150 %") << face << 1.5 << QSize(144, 144);
    QTest::newRow("250 %") << face << 2.5 << QSize(240, 240);
    QTest::newRow("beyond the largest version") << face << 4.0 << QSize(384, 384);
    QTest::newRow("marker at 175 %") << QStringLiteral(":/dice/held.bmp") << 1.75 << QSize(168, 28);
}

void TestScaledPicture::otherScalesGetAPictureOfTheDeviceSize()
{
    QFETCH(QString, file);
    QFETCH(qreal, ratio);
    QFETCH(QSize, deviceSize);
    const QPixmap pixmap = ScaledPicture::fromFiles(file).pixmapFor(ratio);
    QCOMPARE(pixmap.size(), deviceSize);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(deviceSize) / ratio);
}

QTEST_MAIN(TestScaledPicture)
#include "tst_scaledpicture.moc"
