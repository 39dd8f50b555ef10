// Draws the welcome window's splash picture: the game's name in large green letters over a
// collage of the game window caught in a few states of a seeded game. Run it with the assets
// folder as its argument, and again with a scale of 2 and of 3 after it for the versions named
// splash@2x and splash@3x, which scaled screens show; it needs no display.

#include "game/random.h"
#include "players/session.h"
#include "widgets/fonts.h"
#include "widgets/gradient.h"
#include "widgets/gradientfill.h"
#include "windows/gamewindow.h"

#include <QApplication>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

constexpr QSize SplashSize(600, 400);
constexpr double ShotScale = 0.47;
constexpr int ShotBorder = 2;
constexpr QPointF ShadowOffset(4, 5);

// The later turns of the game take their dice from these seeds; the game window is caught after
// ShotTurn of them.
constexpr std::uint32_t FirstTurnSeed = 1000;
constexpr std::uint32_t TurnSeedStep = 77;
constexpr qsizetype ShotTurn = 6;

constexpr int TitlePixelSize = 124;
constexpr double TitleBaseline = 112;
constexpr double TitleOutlineWidth = 6;
const QColor TitleTop(170, 255, 120);
const QColor TitleBottom(0, 170, 30);
const QColor TitleOutline(0, 40, 0);
const QColor ShadowColor(0, 0, 0, 150);
const QColor BackgroundTop(10, 40, 20);
const QColor BackgroundBottom(0, 0, 0);

// Where each shot lands: its centre in the splash and its tilt in degrees. The welcome
// window's black panel covers the middle, so the shots show mostly at the sides.
struct Placement
{
    QPointF centre;
    double angle;
};
constexpr Placement Placements[]
        = {{{150, 190}, -5}, {{455, 185}, 4}, {{140, 320}, 3}, {{460, 318}, -4}};

// The seed that makes the next roll show the wanted values on the dice that are not held, after
// the commentator has first drawn one of messageChoices texts, if any.
std::uint32_t seedForRoll(const Dice &wanted, const std::array<bool, 5> &held, int messageChoices)
{
    for (std::uint32_t seed = 0;; ++seed) {
        RandomGenerator generator(seed);
        if (messageChoices > 0)
            generator.next(messageChoices);
        bool matches = true;
        for (std::size_t die = 0; die < wanted.size() && matches; ++die)
            matches = held[die] || generator.next(6) + 1 == wanted[die];
        if (matches)
            return seed;
    }
}

void setColors(GameWindow &window, Color start, Color end)
{
    window.backgroundFill->gradient()->setColor(start);
    window.backgroundFill->gradient()->setEndColor(end);
}

// Four moments of one game: four sixes held, the fifth six about to be scored, a game well
// under way, and the end of the game.
QList<QImage> gameShots()
{
    QList<QImage> shots;
    Session session;
    session.setPlayerName(QStringLiteral("Ann"));
    // No record at the end of the game, whose window would wait for a name.
    session.setRecordScore(std::numeric_limits<qint32>::max());
    GameWindow window(session);
    window.show();

    setColors(window, Colors::Aqua, Colors::Blue);
    processRandom().setSeed(seedForRoll({6, 6, 6, 2, 6}, {}, 3));
    window.newGameAction->trigger();
    for (auto hold : {&GameWindow::toggleHoldOfDie1, &GameWindow::toggleHoldOfDie2,
                      &GameWindow::toggleHoldOfDie3, &GameWindow::toggleHoldOfDie5})
        (window.*hold)();
    shots.append(window.grab().toImage());

    setColors(window, Colors::Red, Colors::Navy);
    processRandom().setSeed(seedForRoll({6, 6, 6, 6, 6}, {true, true, true, false, true}, 0));
    window.rollButton->click();
    window.fiveOfAKindButton->click();
    shots.append(window.grab().toImage());

    setColors(window, Colors::Teal, Colors::Lime);
    processRandom().setSeed(FirstTurnSeed);
    window.rollButton->click();
    const QList<void (GameWindow::*)()> categories
            = {&GameWindow::selectSixes,         &GameWindow::selectFives,
               &GameWindow::selectLargeStraight, &GameWindow::selectFullHouse,
               &GameWindow::selectFours,         &GameWindow::selectThreeOfAKind,
               &GameWindow::selectOnes,          &GameWindow::selectChance,
               &GameWindow::selectSmallStraight, &GameWindow::selectTwos,
               &GameWindow::selectFourOfAKind,   &GameWindow::selectThrees};
    for (qsizetype turn = 0; turn < categories.size(); ++turn) {
        if (turn == ShotTurn)
            shots.append(window.grab().toImage());
        (window.*categories[turn])();
        processRandom().setSeed(FirstTurnSeed + std::uint32_t(turn + 1) * TurnSeedStep);
        window.rollButton->click();
    }

    setColors(window, Colors::Purple, Colors::Black);
    shots.append(window.grab().toImage());
    return shots;
}

void drawBackground(QPainter &painter)
{
    QLinearGradient background(0, 0, 0, SplashSize.height());
    background.setColorAt(0, BackgroundTop);
    background.setColorAt(1, BackgroundBottom);
    painter.fillRect(QRect(QPoint(0, 0), SplashSize), background);
}

void drawShot(QPainter &painter, const QImage &shot, const Placement &placement)
{
    const QSizeF size = shot.deviceIndependentSize() * ShotScale;
    const QRectF target(QPointF(-size.width() / 2, -size.height() / 2), size);
    painter.save();
    painter.translate(placement.centre);
    painter.rotate(placement.angle);
    painter.fillRect(target.translated(ShadowOffset), ShadowColor);
    painter.fillRect(target.adjusted(-ShotBorder, -ShotBorder, ShotBorder, ShotBorder), Qt::white);
    painter.drawImage(target, shot);
    painter.restore();
}

void drawTitle(QPainter &painter)
{
    QPainterPath title;
    const QFont font = tahomaFont(TitlePixelSize, true);
    const QString text = QStringLiteral("Tovik");
    title.addText(0, 0, font, text);
    const QRectF bounds = title.boundingRect();
    title.translate((SplashSize.width() - bounds.width()) / 2 - bounds.left(), TitleBaseline);

    painter.fillPath(title.translated(ShadowOffset * 1.5), ShadowColor);
    painter.strokePath(
            title,
            QPen(TitleOutline, TitleOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(0, TitleBaseline + bounds.top(), 0, TitleBaseline + bounds.bottom());
    fill.setColorAt(0, TitleTop);
    fill.setColorAt(1, TitleBottom);
    painter.fillPath(title, fill);
}

QImage drawSplash(const QList<QImage> &shots, int scale)
{
    QImage splash(SplashSize * scale, QImage::Format_RGB32);
    QPainter painter(&splash);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    drawBackground(painter);
    for (qsizetype i = 0; i < shots.size(); ++i)
        drawShot(painter, shots[i], Placements[i]);
    drawTitle(painter);
    return splash;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The game window is caught on a screen of the same scale, so that its text and dice are
    // as sharp as the rest.
    const int scale = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 3) : 1;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication application(argc, argv);
    const QString assets = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    const QString path
            = assets + QStringLiteral("/splash/splash") + suffix + QStringLiteral(".png");
    if (!drawSplash(gameShots(), scale).save(path, "PNG")) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
