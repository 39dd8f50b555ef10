#include "widgets/gradient.h"

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

int multiplyDivide(int x, int y, int z)
{
    if (z == 0)
        return -1;
    const std::int64_t product = std::int64_t(x) * y;
    const std::int64_t divisor = z;
    const bool negative = (product < 0) != (divisor < 0);
    // |x * y| is at most 2^62 and |z| / 2 at most 2^30, so the sum cannot overflow.
    const std::int64_t magnitude = (std::abs(product) + std::abs(divisor) / 2) / std::abs(divisor);
    const std::int64_t quotient = negative ? -magnitude : magnitude;
    if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max())
        return -1;
    return int(quotient);
}

std::vector<Color> gradientColorTable(Color start, Color end, int count)
{
    std::vector<Color> table;
    if (count <= 0)
        return table;
    const Color from = colorToRgb(start);
    const Color to = colorToRgb(end);
    const int steps = std::max(count - 1, 1);
    table.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        Color entry = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const int first = int((from >> shift) & 0xFF);
            const int last = int((to >> shift) & 0xFF);
            const int channel = first + multiplyDivide(i, last - first, steps);
            entry |= Color(channel & 0xFF) << shift;
        }
        table.push_back(entry);
    }
    return table;
}

QImage gradientBands(const QSize &size, qreal ratio, const std::vector<Color> &colorTable)
{
    if (colorTable.empty() || size.isEmpty())
        return QImage();
    // The bands are shared out over the device's own rows, so that a scaled screen shows them
    // as even as an unscaled one; enlarging rows shared out at 1x would make them uneven.
    const QSize deviceSize = QRectF(QPointF(), QSizeF(size) * ratio).toAlignedRect().size();
    const int width = deviceSize.width();
    const int height = deviceSize.height();
    const int count = int(colorTable.size());
    QImage bands(width, height, QImage::Format_RGB32);
    if (bands.isNull())
        return bands;
    QPainter bandPainter(&bands);
    for (int i = count - 1; i >= 0; --i) {
        const int top = multiplyDivide(i, height, count);
        const int bottom = multiplyDivide(i + 1, height, count);
        if (bottom > top)
            bandPainter.fillRect(0, top, width, bottom - top, toQColor(colorTable[std::size_t(i)]));
    }
    bandPainter.end();
    bands.setDevicePixelRatio(ratio);
    return bands;
}

Gradient::Gradient(QObject *parent) : QObject(parent)
{
    buildColorTable();
}

void Gradient::setColor(Color color)
{
    if (color == m_color)
        return;
    m_color = color;
    rebuildAndNotify();
}

void Gradient::setEndColor(Color color)
{
    if (color == m_endColor)
        return;
    m_endColor = color;
    rebuildAndNotify();
}

void Gradient::setColorCount(int count)
{
    count = std::clamp(count, MinColorCount, MaxColorCount);
    if (count == m_colorCount)
        return;
    m_colorCount = count;
    rebuildAndNotify();
}

void Gradient::buildColorTable()
{
    m_colorTable = gradientColorTable(m_color, m_endColor, m_colorCount);
}

void Gradient::rebuildAndNotify()
{
    buildColorTable();
    Q_EMIT changed();
}
