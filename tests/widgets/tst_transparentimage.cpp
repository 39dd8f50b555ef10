#include "widgets/transparentimage.h"

#include "widgets/diefaceimages.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QColor Behind(10, 200, 30);
constexpr QPoint ImageOrigin(7, 5);

} // namespace

class TestTransparentImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void keyColourShowsWhatLiesBehind_data();
    void keyColourShowsWhatLiesBehind();
    void newPictureReplacesTheOldOne();
    void reportsEveryMouseButtonPressed();

private:
    QWidget *m_window = nullptr;
    TransparentImage *m_image = nullptr;
};

void TestTransparentImage::init()
{
    m_window = new QWidget;
    m_window->resize(130, 130);
    m_window->setAutoFillBackground(true);
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, Behind);
    m_window->setPalette(palette);
    m_image = new TransparentImage(m_window);
    m_image->setGeometry(QRect(ImageOrigin, QSize(105, 105)));
}

void TestTransparentImage::cleanup()
{
    delete m_window;
}

void TestTransparentImage::keyColourShowsWhatLiesBehind_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("shown");

    const QImage face = DieFaceImages().faceImage(5);
    QTest::newRow("top-left corner") << face << QPoint(0, 0) << Behind;
    QTest::newRow("bottom-right corner") << face << QPoint(95, 95) << Behind;
    QTest::newRow("face") << face << QPoint(48, 48) << QColor(Qt::white);
    QTest::newRow("pip") << face << QPoint(23, 22) << QColor(Qt::black);
    QTest::newRow("left rim") << face << QPoint(1, 48) << face.pixelColor(1, 48);
    QTest::newRow("strip on the right") << face << QPoint(100, 50) << Behind;
    QTest::newRow("strip at the bottom") << face << QPoint(50, 100) << Behind;

    const QImage marker = heldMarkerPicture().designed();
    QTest::newRow("marker ground") << marker << QPoint(22, 8) << Behind;
    QTest::newRow("marker letter") << marker << QPoint(2, 8) << QColor(Qt::red);

    QTest::newRow("no picture") << QImage() << QPoint(48, 48) << Behind;
}

void TestTransparentImage::keyColourShowsWhatLiesBehind()
{
    QFETCH(QImage, picture);
    QFETCH(QPoint, point);
    QFETCH(QColor, shown);

    m_image->setPicture(picture);
    const QImage window = m_window->grab().toImage();
    QCOMPARE(window.pixelColor(ImageOrigin + point), shown);
}

void TestTransparentImage::newPictureReplacesTheOldOne()
{
    const DieFaceImages faces;
    m_image->setPicture(faces.faceImage(0));
    m_image->setPicture(faces.faceImage(1));
    const QImage window = m_window->grab().toImage();
    QCOMPARE(window.pixelColor(ImageOrigin + QPoint(48, 47)), QColor(Qt::white));
    QCOMPARE(window.pixelColor(ImageOrigin + QPoint(23, 22)), QColor(Qt::black));
}

void TestTransparentImage::reportsEveryMouseButtonPressed()
{
    QSignalSpy presses(m_image, &TransparentImage::mouseDown);
    QTest::mousePress(m_image, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseRelease(m_image, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mousePress(m_image, Qt::RightButton);
    QCOMPARE(presses.size(), 2);
    QCOMPARE(presses.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(presses.at(1).at(0).value<Qt::MouseButton>(), Qt::RightButton);
}

QTEST_MAIN(TestTransparentImage)
#include "tst_transparentimage.moc"
