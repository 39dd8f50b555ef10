#include "widgets/scaledpicture.h"

#include <QTest>

class TestScaledPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screensGetTheVersionDrawnForThem_data();
    void screensGetTheVersionDrawnForThem();
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

QTEST_MAIN(TestScaledPicture)
#include "tst_scaledpicture.moc"
