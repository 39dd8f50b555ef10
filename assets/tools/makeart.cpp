// Draws the program's pictures: the six die faces and the HELD marker as 24-bit BMP files, and
// the program icon as a PNG; each of them again at two and three times the size, as PNG files
// named name@2x and name@3x, for scaled screens; and the icons that the desktop shows for the
// installed program: the same picture as an SVG and as PNGs of every size in the hicolor
// theme's layout. Run it with the assets folder as its argument.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int FaceSize = 96;
constexpr double FaceCornerRadius = 10.0;
constexpr double FaceEdgeWidth = 4.0;
constexpr int Scales[] = {1, 2, 3};
// Pip centres and radii on a 96-pixel face: columns 13-32, 38-57, 63-82 and rows 13-31,
// 38-56, 63-81.
constexpr double PipColumns[] = {23.0, 48.0, 73.0};
constexpr double PipRows[] = {22.5, 47.5, 72.5};
constexpr double PipRadiusX = 10.0;
constexpr double PipRadiusY = 9.5;
constexpr int Subsamples = 4;

// The colour left undrawn around a face's corners, and the marker's ground and letters.
const QColor KeyRed(255, 0, 0);
const QColor KeyGreen(0, 255, 0);

constexpr int MarkerWidth = 96;
constexpr int MarkerHeight = 16;
constexpr int LetterWidth = 21;
constexpr int LetterPitch = 25;

constexpr int IconSize = 32;
const QColor IconTop(0, 255, 255);
const QColor IconBottom(0, 0, 255);
constexpr int ThemeIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
constexpr char ThemeIconName[] = "org.example.tovik";

struct Die
{
    QPointF origin;
    double size;
    double cornerRadius;
    double edgeWidth;
    int value;
};

// Which of the 3 x 3 pip places each value uses, as (column, row).
QList<QPoint> pipPlaces(int value)
{
    const QPoint topLeft(0, 0), topRight(2, 0), centre(1, 1), bottomLeft(0, 2), bottomRight(2, 2);
    switch (value) {
    case 1:
        return {centre};
    case 2:
        return {topLeft, bottomRight};
    case 3:
        return {topLeft, centre, bottomRight};
    case 4:
        return {topLeft, topRight, bottomLeft, bottomRight};
    case 5:
        return {topLeft, topRight, centre, bottomLeft, bottomRight};
    default:
        return {topLeft, QPoint(0, 1), bottomLeft, topRight, QPoint(2, 1), bottomRight};
    }
}

// Distance from the die's outline inwards (negative outside), and the outward direction of the
// outline nearest to the point.
double insideDistance(const Die &die, QPointF p, QPointF *normal)
{
    const double low = die.cornerRadius;
    const double high = die.size - die.cornerRadius;
    const QPointF q(p.x() - std::clamp(p.x(), low, high), p.y() - std::clamp(p.y(), low, high));
    const double length = std::hypot(q.x(), q.y());
    if (length > 0.0) {
        *normal = q / length;
        return die.cornerRadius - length;
    }
    const double distances[] = {p.x(), p.y(), die.size - p.x(), die.size - p.y()};
    const QPointF directions[] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    const auto nearest = std::min_element(std::begin(distances), std::end(distances));
    *normal = directions[nearest - std::begin(distances)];
    return *nearest;
}

// The rim is lit from the top left: mid grey along the top, dark grey on the left, black on
// the right and at the bottom, blending round the corners.
QColor edgeColor(QPointF normal)
{
    const double level = 64.0 - 64.0 * normal.y() - 64.0 * std::max(0.0, normal.x());
    const int grey = int(std::lround(std::clamp(level, 0.0, 255.0)));
    return QColor(grey, grey, grey);
}

bool onPip(const Die &die, QPointF p)
{
    const double scale = die.size / FaceSize;
    const QList<QPoint> places = pipPlaces(die.value);
    return std::any_of(places.cbegin(), places.cend(), [&](QPoint place) {
        const double dx = (p.x() - PipColumns[place.x()] * scale) / (PipRadiusX * scale);
        const double dy = (p.y() - PipRows[place.y()] * scale) / (PipRadiusY * scale);
        return dx * dx + dy * dy <= 1.0;
    });
}

// The die's colour at a point given in the picture's coordinates, or an invalid colour when the
// point lies outside the die.
QColor dieSample(const Die &die, QPointF point, bool clipToOutline)
{
    const QPointF p = point - die.origin;
    QPointF normal;
    const double depth = insideDistance(die, p, &normal);
    if (clipToOutline && depth < 0.0)
        return QColor();
    if (depth < die.edgeWidth)
        return edgeColor(normal);
    return onPip(die, p) ? Qt::black : Qt::white;
}

QColor average(const QList<QColor> &colors)
{
    double red = 0, green = 0, blue = 0;
    for (const QColor &color : colors) {
        red += color.red();
        green += color.green();
        blue += color.blue();
    }
    const double count = double(colors.size());
    return QColor(int(std::lround(red / count)), int(std::lround(green / count)),
                  int(std::lround(blue / count)));
}

QList<QPointF> subsamplesOf(int x, int y)
{
    QList<QPointF> points;
    for (int i = 0; i < Subsamples; ++i) {
        for (int j = 0; j < Subsamples; ++j)
            points.append(QPointF(x + (i + 0.5) / Subsamples, y + (j + 0.5) / Subsamples));
    }
    return points;
}

// The outline is decided by the pixel's centre alone, so that every pixel outside it is exactly
// the key colour; inside, pips and rim are smoothed.
QImage drawFace(int value, int scale)
{
    const Die die {QPointF(0, 0), double(FaceSize * scale), FaceCornerRadius * scale,
                   FaceEdgeWidth * scale, value};
    const int size = FaceSize * scale;
    QImage face(size, size, QImage::Format_RGB888);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!dieSample(die, QPointF(x + 0.5, y + 0.5), true).isValid()) {
                face.setPixelColor(x, y, KeyRed);
                continue;
            }
            QList<QColor> samples;
            for (QPointF point : subsamplesOf(x, y))
                samples.append(dieSample(die, point, false));
            face.setPixelColor(x, y, average(samples));
        }
    }
    return face;
}

// Blocky capitals on a 21 x 14 grid, one rectangle per stroke.
QList<QRect> letterStrokes(char letter)
{
    const QRect stem(0, 0, 5, 14);
    switch (letter) {
    case 'H':
        return {stem, QRect(16, 0, 5, 14), QRect(5, 5, 11, 3)};
    case 'E':
        return {stem, QRect(5, 0, 16, 3), QRect(5, 5, 12, 3), QRect(5, 11, 16, 3)};
    case 'L':
        return {stem, QRect(5, 11, 16, 3)};
    default:
        return {stem,
                QRect(5, 0, 11, 3),
                QRect(5, 11, 11, 3),
                QRect(16, 3, 5, 8),
                QRect(14, 1, 4, 3),
                QRect(14, 10, 4, 3)};
    }
}

// The word fills the width; the top and bottom rows stay green so that the bottom-left pixel
// gives the ground as the colour to leave out.
QImage drawHeldMarker(int scale)
{
    QImage marker(MarkerWidth * scale, MarkerHeight * scale, QImage::Format_RGB888);
    marker.fill(KeyGreen);
    const QString word = QStringLiteral("HELD");
    for (int i = 0; i < word.size(); ++i) {
        for (const QRect &stroke : letterStrokes(char(word.at(i).unicode()))) {
            const QRect placed(QPoint(stroke.left() + i * LetterPitch, stroke.top() + 1) * scale,
                               stroke.size() * scale);
            for (int y = placed.top(); y <= placed.bottom(); ++y) {
                for (int x = placed.left(); x <= placed.right(); ++x)
                    marker.setPixelColor(x, y, KeyRed);
            }
        }
    }
    return marker;
}

QColor blend(const QColor &from, const QColor &to, double t)
{
    return QColor(int(std::lround(from.red() + (to.red() - from.red()) * t)),
                  int(std::lround(from.green() + (to.green() - from.green()) * t)),
                  int(std::lround(from.blue() + (to.blue() - from.blue()) * t)));
}

// Two dice, the second overlapping the first, on an icon of 32 units a side.
const QList<Die> IconDice = {{QPointF(2, 3), 17, 3.5, 1.2, 5}, {QPointF(13, 12), 17, 3.5, 1.2, 3}};

QList<Die> iconDiceAt(int size)
{
    const double scale = double(size) / IconSize;
    QList<Die> dice;
    for (const Die &die : IconDice)
        dice.append({die.origin * scale, die.size * scale, die.cornerRadius * scale,
                     die.edgeWidth * scale, die.value});
    return dice;
}

// The two dice over the windows' default gradient.
QImage drawIcon(int size)
{
    const QList<Die> dice = iconDiceAt(size);
    QImage icon(size, size, QImage::Format_RGB888);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            QList<QColor> samples;
            for (QPointF point : subsamplesOf(x, y)) {
                QColor color = blend(IconTop, IconBottom, point.y() / size);
                for (const Die &die : dice) {
                    const QColor onDie = dieSample(die, point, true);
                    if (onDie.isValid())
                        color = onDie;
                }
                samples.append(color);
            }
            icon.setPixelColor(x, y, average(samples));
        }
    }
    return icon;
}

// One die in SVG: the rim in the same light as the sampled dice, its lit top and left parts cut
// at the corners' diagonals, the white face inside it and the pips.
QString dieSvg(const Die &die)
{
    const double x = die.origin.x(), y = die.origin.y(), s = die.size, e = die.edgeWidth;
    const QString outline = QStringLiteral("x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"%4\"")
                                    .arg(x)
                                    .arg(y)
                                    .arg(s)
                                    .arg(die.cornerRadius);
    const QString clip = QStringLiteral("die%1").arg(die.value);
    QString svg = QStringLiteral("<clipPath id=\"%1\"><rect %2/></clipPath>\n").arg(clip, outline);
    svg += QStringLiteral("<rect %1 fill=\"%2\"/>\n").arg(outline, edgeColor({0, 1}).name());
    svg += QStringLiteral("<g clip-path=\"url(#%1)\">\n").arg(clip);
    svg += QStringLiteral("<polygon points=\"%1,%2 %3,%2 %4,%5\" fill=\"%6\"/>\n")
                   .arg(x)
                   .arg(y)
                   .arg(x + s)
                   .arg(x + s / 2)
                   .arg(y + s / 2)
                   .arg(edgeColor({0, -1}).name());
    svg += QStringLiteral("<polygon points=\"%1,%2 %3,%4 %1,%5\" fill=\"%6\"/>\n")
                   .arg(x)
                   .arg(y)
                   .arg(x + s / 2)
                   .arg(y + s / 2)
                   .arg(y + s)
                   .arg(edgeColor({-1, 0}).name());
    svg += QStringLiteral("</g>\n");
    svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"%4\" "
                          "fill=\"#ffffff\"/>\n")
                   .arg(x + e)
                   .arg(y + e)
                   .arg(s - 2 * e)
                   .arg(std::max(0.0, die.cornerRadius - e));
    const double scale = s / FaceSize;
    for (QPoint place : pipPlaces(die.value))
        svg += QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"/>\n")
                       .arg(x + PipColumns[place.x()] * scale)
                       .arg(y + PipRows[place.y()] * scale)
                       .arg(PipRadiusX * scale)
                       .arg(PipRadiusY * scale);
    return svg;
}

// The icon as the sampled one shows it, on the same 32-unit square, for any size.
QByteArray drawIconSvg()
{
    QString svg
            = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                             "viewBox=\"0 0 %1 %1\">\n"
                             "<linearGradient id=\"ground\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                             "<stop offset=\"0\" stop-color=\"%2\"/>"
                             "<stop offset=\"1\" stop-color=\"%3\"/></linearGradient>\n"
                             "<rect width=\"%1\" height=\"%1\" fill=\"url(#ground)\"/>\n")
                      .arg(IconSize)
                      .arg(IconTop.name(), IconBottom.name());
    for (const Die &die : IconDice)
        svg += dieSvg(die);
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

bool saveText(const QByteArray &text, const QString &path)
{
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly)
        || file.write(text) != text.size()) {
        std::fprintf(stderr, "makeart: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool save(const QImage &image, const QString &path, const char *format)
{
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, format)) {
        std::fprintf(stderr, "makeart: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString assets = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = true;
    for (int scale : Scales) {
        // The pictures at their designed size keep the formats they were specified in.
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        const QString dieExtension = scale == 1 ? QStringLiteral(".bmp") : QStringLiteral(".png");
        const char *dieFormat = scale == 1 ? "BMP" : "PNG";
        for (int value = 1; value <= 6; ++value)
            ok &= save(drawFace(value, scale),
                       QStringLiteral("%1/dice/face%2").arg(assets).arg(value) + suffix
                               + dieExtension,
                       dieFormat);
        ok &= save(drawHeldMarker(scale),
                   assets + QStringLiteral("/dice/held") + suffix + dieExtension, dieFormat);
        ok &= save(drawIcon(IconSize * scale),
                   assets + QStringLiteral("/icon/tovik") + suffix + QStringLiteral(".png"), "PNG");
    }
    const QString theme = assets + QStringLiteral("/icon/hicolor/");
    for (int size : ThemeIconSizes)
        ok &= save(drawIcon(size),
                   theme + QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(ThemeIconName), "PNG");
    ok &= saveText(drawIconSvg(),
                   theme + QStringLiteral("scalable/apps/%1.svg").arg(ThemeIconName));
    return ok ? 0 : 1;
}
