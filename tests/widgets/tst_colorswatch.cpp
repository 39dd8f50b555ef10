#include "widgets/colorswatch.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

class TestColorSwatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fillsItsWholeAreaWithItsColour_data();
    void fillsItsWholeAreaWithItsColour();
    void clickNeedsTheLeftButtonPressedAndReleasedOverIt_data();
    void clickNeedsTheLeftButtonPressedAndReleasedOverIt();
    void screenReadersHearTheColourAndCanPressIt();

private:
    ColorSwatch *m_swatch = nullptr;
};

void TestColorSwatch::init()
{
    m_swatch = new ColorSwatch;
    m_swatch->resize(49, 49);
}

void TestColorSwatch::cleanup()
{
    delete m_swatch;
}

void TestColorSwatch::fillsItsWholeAreaWithItsColour_data()
{
    QTest::addColumn<bool>("setColour");
    QTest::addColumn<Color>("colour");

    QTest::newRow("button face by default") << false << Colors::ButtonFace;
    QTest::newRow("named colour") << true << Colors::Teal;
    QTest::newRow("system colour") << true << Colors::GrayText;
}

void TestColorSwatch::fillsItsWholeAreaWithItsColour()
{
    QFETCH(bool, setColour);
    QFETCH(Color, colour);

    if (setColour)
        m_swatch->setColor(colour);
    const QImage image = m_swatch->grab().toImage();
    const QColor expected = toQColor(colour);
    for (int y = 0; y < 49; y += 48) {
        for (int x = 0; x < 49; x += 24)
            QCOMPARE(image.pixelColor(x, y), expected);
    }
}

void TestColorSwatch::clickNeedsTheLeftButtonPressedAndReleasedOverIt_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("clicked");

    QTest::newRow("left click") << Qt::LeftButton << QPoint(20, 20) << true;
    QTest::newRow("released at the last pixel") << Qt::LeftButton << QPoint(48, 48) << true;
    QTest::newRow("released outside") << Qt::LeftButton << QPoint(49, 20) << false;
    QTest::newRow("right click") << Qt::RightButton << QPoint(20, 20) << false;
}

void TestColorSwatch::clickNeedsTheLeftButtonPressedAndReleasedOverIt()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, clicked);

    QSignalSpy clicks(m_swatch, &ColorSwatch::clicked);
    QTest::mousePress(m_swatch, button, {}, QPoint(10, 10));
    QTest::mouseRelease(m_swatch, button, {}, releaseAt);
    QCOMPARE(clicks.size(), clicked ? 1 : 0);
}

QTEST_MAIN(TestColorSwatch)
void TestColorSwatch::screenReadersHearTheColourAndCanPressIt()
{
    m_swatch->setColor(Colors::Teal);
    m_swatch->show();
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_swatch);
    QCOMPARE(accessible->text(QAccessible::Name),
             QStringLiteral("Colour: red 0, green 128, blue 128"));
    QSignalSpy clicks(m_swatch, &ColorSwatch::clicked);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::keyClick(m_swatch, Qt::Key_Space);
    QCOMPARE(clicks.count(), 2);
}

#include "tst_colorswatch.moc"
