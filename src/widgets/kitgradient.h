#pragma once

#include "widgets/kitcolor.h"

#include <QObject>
#include <vector>

class QPainter;
class QRect;

// x * y / z from the exact 64-bit product, rounded to the nearest integer with halves away from
// zero. A zero divisor or a quotient outside int gives -1.
int MulDiv(int x, int y, int z);

// The colours of a gradient's bands from start to end, both included, as plain $00BBGGRR:
// system colours are resolved to the desktop's palette at the time of the call.
std::vector<TColor> gradientColorTable(TColor start, TColor end, int count);

// Draws the bands of colorTable stacked from the top of rect to its bottom, each as high as
// its share of the height in device pixels after rounding. The bands go into an off-screen image first, so that
// a window never shows a half-drawn gradient.
void PaintGradient(QPainter &painter, const QRect &rect, const std::vector<TColor> &colorTable);

// The vertical gradient of a background fill. Its colour table is rebuilt whenever a setting
// changes, never while painting; changed() tells the owner to repaint.
class TKitGradient : public QObject
{
    Q_OBJECT

public:
    static constexpr int MinColorCount = 2;
    static constexpr int MaxColorCount = 236;

    explicit TKitGradient(QObject *parent = nullptr);

    TColor Color() const { return m_color; }
    void setColor(TColor color);
    TColor EndColor() const { return m_endColor; }
    void setEndColor(TColor color);
    int ColorCount() const { return m_colorCount; }
    void setColorCount(int count);

    const std::vector<TColor> &ColorTable() const { return m_colorTable; }

Q_SIGNALS:
    void changed();

private:
    void BuildColorTable();
    void rebuildAndNotify();

    TColor m_color = clBlue;
    TColor m_endColor = clBlack;
    int m_colorCount = 16;
    std::vector<TColor> m_colorTable;
};
