#include "windows/windowplacement.h"

#include <QRect>
#include <QTest>

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void besideStaysOnTheScreen_data();
    void besideStaysOnTheScreen();
};

void TestWindowPlacement::besideStaysOnTheScreen_data()
{
    QTest::addColumn<QRect>("other");
    QTest::addColumn<QPoint>("corner");
    // A 200 x 300 frame on a 1000 x 800 screen.
    QTest::newRow("room on the right") << QRect(100, 50, 300, 200) << QPoint(400, 50);
    QTest::newRow("room on the left only") << QRect(700, 50, 250, 200) << QPoint(500, 50);
    QTest::newRow("no room either side") << QRect(50, 50, 900, 200) << QPoint(800, 50);
    QTest::newRow("low on the screen") << QRect(100, 700, 300, 200) << QPoint(400, 500);
    QTest::newRow("above the screen") << QRect(100, -40, 300, 200) << QPoint(400, 0);
}

void TestWindowPlacement::besideStaysOnTheScreen()
{
    QFETCH(QRect, other);
    QFETCH(QPoint, corner);
    QCOMPARE(besidePosition(other, QSize(200, 300), QRect(0, 0, 1000, 800)), corner);
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
