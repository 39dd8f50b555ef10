// Draws the program's pictures: the six die faces and the HELD marker as 24-bit BMP files, and
// the program icon as a PNG; and each of them again at two and three times the size, as PNG
// files named name@2x and name@3x, for scaled screens. Run it with the assets folder as its
// argument.

#include <QColor>
#include <QDir>
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

// Two dice, the second overlapping the first, over the windows' default gradient.
QImage drawIcon(int scale)
{
    QList<Die> dice = {{QPointF(2, 3), 17, 3.5, 1.2, 5}, {QPointF(13, 12), 17, 3.5, 1.2, 3}};
    for (Die &die : dice) {
        die.origin *= scale;
        die.size *= scale;
        die.cornerRadius *= scale;
        die.edgeWidth *= scale;
    }
    const int size = IconSize * scale;
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
        ok &= save(drawIcon(scale), assets + QStringLiteral("/icon/tovik") + suffix + ".png",
                   "PNG");
    }
    return ok ? 0 : 1;
}
