#pragma once

#include "base/color.h"

#include <QImage>
#include <QObject>
#include <vector>

// x * y / z from the exact 64-bit product, rounded to the nearest integer with halves away from
// zero. A zero divisor or a quotient outside int gives -1.
int multiplyDivide(int x, int y, int z);

// The colours of a gradient's bands from start to end, both included, as plain $00BBGGRR:
// system colours are resolved to the desktop's palette at the time of the call.
std::vector<Color> gradientColorTable(Color start, Color end, int count);

// The bands of colorTable stacked from the top of an image of size (in the painter's units at
// ratio) to its bottom, each as high as its share of the height in device pixels after
// rounding. Painting the finished image means a window never shows a half-drawn gradient.
QImage gradientBands(const QSize &size, qreal ratio, const std::vector<Color> &colorTable);

// The vertical gradient of a background fill. Its colour table is rebuilt whenever a setting
// changes, never while painting; changed() tells the owner to repaint.
class Gradient : public QObject
{
    Q_OBJECT

public:
    static constexpr int MinColorCount = 2;
    static constexpr int MaxColorCount = 236;

    explicit Gradient(QObject *parent = nullptr);

    Color color() const { return m_color; }
    void setColor(Color color);
    Color endColor() const { return m_endColor; }
    void setEndColor(Color color);
    int colorCount() const { return m_colorCount; }
    void setColorCount(int count);

    const std::vector<Color> &colorTable() const { return m_colorTable; }

Q_SIGNALS:
    void changed();

private:
    void buildColorTable();
    void rebuildAndNotify();

    Color m_color = Colors::Blue;
    Color m_endColor = Colors::Black;
    int m_colorCount = 16;
    std::vector<Color> m_colorTable;
};
