// The program's windows on a screen whose scale the test's environment sets (QT_SCALE_FACTOR),
// and on a second screen of another scale: pictures and text drawn at the screen's resolution,
// not enlarged from 1x, and at 1x exactly as designed.
#include "programfixture.h"
#include "widgets/dieface.h"
#include "widgets/transparentimage.h"
#include "windows/gamewindow.h"
#include "windows/welcomewindow.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace {

QImage deviceImage(QWidget *widget)
{
    return widget->grab().toImage();
}

// The share of the pixels of a picture shown on the screen that differ from what enlarging its
// 1x file pixel by pixel would show; pixels whose 1x colour is skip are not counted.
double shareUnlikeEnlarged(const QImage &shown, const QString &file, QRgb skip)
{
    const QImage enlarged
            = QImage(file)
                      .convertToFormat(QImage::Format_RGB32)
                      .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int counted = 0;
    int unlike = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (enlarged.pixel(x, y) == skip)
                continue;
            ++counted;
            unlike += shown.pixel(x, y) != enlarged.pixel(x, y);
        }
    }
    return counted == 0 ? 0.0 : double(unlike) / counted;
}

// The height of the rows that hold text: pixels clearly darker than the menu bar's light ground.
int inkHeight(const QImage &image)
{
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return bottom - top + 1;
}

constexpr QRgb KeyRed = 0xFFFF0000;
// A die is sharp when at least this share of its pixels shows detail the 1x picture lacks.
constexpr double SharpShare = 0.01;

} // namespace

class TestScaledScreens : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void gameWindowIsDrawnForItsScreen_data();
    void gameWindowIsDrawnForItsScreen();
    void splashIsDrawnForTheScreen();

private:
    ProgramFixture m_program;
    qreal m_ratio = 1.0;
};

void TestScaledScreens::initTestCase()
{
    m_ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    QVERIFY2(m_ratio > 1.0, "run with QT_SCALE_FACTOR above 1");
}

void TestScaledScreens::init()
{
    m_program.start();
}

void TestScaledScreens::cleanup()
{
    m_program.stop();
}

void TestScaledScreens::gameWindowIsDrawnForItsScreen_data()
{
    QTest::addColumn<bool>("moved");
    QTest::newRow("first screen") << false;
    QTest::newRow("dragged to a screen of another scale") << true;
}

void TestScaledScreens::gameWindowIsDrawnForItsScreen()
{
    QFETCH(bool, moved);
    m_program.gameWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_program.gameWindow()));
    auto *firstDie = m_program.gameControl<TransparentImage>(QStringLiteral("die1"));
    firstDie->setPicture(DieFaceImages().Picture(4));
    if (moved) {
        QScreen *other = QGuiApplication::screens().value(1);
        QVERIFY2(other && !qFuzzyCompare(other->devicePixelRatio(), m_ratio),
                 "run with a second screen of another scale");
        m_program.gameWindow()->windowHandle()->setScreen(other);
        QTRY_COMPARE(m_program.gameWindow()->devicePixelRatio(), other->devicePixelRatio());
        // The window's face may change with the scale, and the menu bar's height with it.
        QTRY_COMPARE(m_program.gameWindow()->menuBar()->height(),
                     m_program.gameWindow()->menuBar()->sizeHint().height());
    }
    const qreal ratio = m_program.gameWindow()->devicePixelRatio();
    const bool unscaled = qFuzzyCompare(ratio, 1.0);

    const QImage die
            = deviceImage(firstDie).copy(QRect(QPoint(0, 0), (QSizeF(96, 96) * ratio).toSize()));
    const double share = shareUnlikeEnlarged(die, QStringLiteral(":/dice/face5.bmp"), KeyRed);
    QVERIFY2(unscaled ? share == 0.0 : share > SharpShare, qPrintable(QString::number(share)));
    // The corners show the black background, not the picture's key colour.
    for (const QPoint corner : {QPoint(0, 0), QPoint(die.width() - 1, die.height() - 1)})
        QCOMPARE(die.pixel(corner), qRgb(0, 0, 0));

    QMenuBar *menuBar = m_program.gameWindow()->menuBar();
    QCOMPARE(QFontInfo(menuBar->font()).family() == QStringLiteral("MS Sans Serif"), unscaled);
    const QRectF ink = QFontMetricsF(menuBar->font()).tightBoundingRect(QStringLiteral("GOHp"));
    const int shown = inkHeight(deviceImage(menuBar));
    const int expected = qRound(ink.height() * ratio);
    QVERIFY2(std::abs(shown - expected) <= std::max(2, expected / 8),
             qPrintable(QStringLiteral("%1 device pixels high, not %2").arg(shown).arg(expected)));
}

void TestScaledScreens::splashIsDrawnForTheScreen()
{
    m_program.welcomeWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_program.welcomeWindow()));
    const QImage splash
            = m_program.welcomeControl<QLabel>(QStringLiteral("splashImage"))->pixmap().toImage();
    QCOMPARE(splash.size(), (QSizeF(600, 400) * m_ratio).toSize());
    const double share = shareUnlikeEnlarged(splash, QStringLiteral(":/splash/splash.png"), 0);
    QVERIFY2(share > SharpShare, qPrintable(QString::number(share)));
}

QTEST_MAIN(TestScaledScreens)
#include "tst_scaledscreens.moc"
