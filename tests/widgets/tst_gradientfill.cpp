#include "widgets/gradient.h"
#include "widgets/gradientfill.h"

#include <QMouseEvent>
#include <QTest>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

class ClickableWindow : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

Color pixelAt(const QImage &image, int x, int y)
{
    return fromQColor(image.pixelColor(x, y));
}

} // namespace

class TestGradientFill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void paintsTheGradientOverItsWholeArea();
    void repaintsAtOnceWhenTheGradientChanges();
    void unchangedColourPaintsNothing();
    void hiddenFillDoesNotPaint();
    void leavesClicksToTheWindow();

private:
    ClickableWindow *m_window = nullptr;
    GradientFill *m_fill = nullptr;
};

void TestGradientFill::init()
{
    m_window = new ClickableWindow;
    m_window->resize(600, 400);
    m_fill = new GradientFill(m_window);
    m_fill->setGeometry(0, 0, 601, 401);
    m_fill->gradient()->setColor(Colors::Aqua);
    m_fill->gradient()->setEndColor(Colors::Blue);
    m_fill->gradient()->setColorCount(236);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestGradientFill::cleanup()
{
    delete m_window;
}

void TestGradientFill::paintsTheGradientOverItsWholeArea()
{
    const QImage image = m_fill->grab().toImage();
    QCOMPARE(image.size(), QSize(601, 401));
    QCOMPARE(pixelAt(image, 0, 0), Color(0x00FFFF00));
    QCOMPARE(pixelAt(image, 600, 2), Color(0x00FFFE00));
    QCOMPARE(pixelAt(image, 300, 201), Color(0x00FF7F00));
    QCOMPARE(pixelAt(image, 600, 400), Color(0x00FF0000));

    // A fill painted once and then made smaller shares its bands out over the new height.
    m_fill->setGeometry(0, 0, 300, 200);
    const QImage smaller = m_fill->grab().toImage();
    QCOMPARE(smaller.size(), QSize(300, 200));
    QCOMPARE(pixelAt(smaller, 299, 100), Color(0x00FF7F00));
    QCOMPARE(pixelAt(smaller, 299, 199), Color(0x00FF0000));
}

void TestGradientFill::repaintsAtOnceWhenTheGradientChanges()
{
    PaintCounter paints(m_fill);
    m_fill->gradient()->setColor(Colors::Red);
    QCOMPARE(paints.count, 1);
    m_fill->gradient()->setEndColor(Colors::Red);
    QCOMPARE(paints.count, 2);

    const QImage image = m_fill->grab().toImage();
    QCOMPARE(pixelAt(image, 0, 0), Colors::Red);
    QCOMPARE(pixelAt(image, 300, 200), Colors::Red);
    QCOMPARE(pixelAt(image, 600, 400), Colors::Red);
}

void TestGradientFill::unchangedColourPaintsNothing()
{
    PaintCounter paints(m_fill);
    m_fill->gradient()->setColor(Colors::Aqua);
    m_fill->gradient()->setEndColor(Colors::Blue);
    QCOMPARE(paints.count, 0);
}

void TestGradientFill::hiddenFillDoesNotPaint()
{
    m_window->hide();
    PaintCounter paints(m_fill);
    m_fill->gradient()->setColor(Colors::Red);
    QCOMPARE(paints.count, 0);
    QCOMPARE(pixelAt(m_fill->grab().toImage(), 0, 0), Colors::Red);
}

void TestGradientFill::leavesClicksToTheWindow()
{
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(m_window->presses, 1);
}

QTEST_MAIN(TestGradientFill)
#include "tst_gradientfill.moc"
