#pragma once

#include "base/color.h"

#include <QImage>
#include <QWidget>

class Gradient;

// The gradient background of a window. It lies under every other control at a fixed place and
// size, leaves the mouse to the window, and repaints at once when its gradient changes.
class GradientFill : public QWidget
{
    Q_OBJECT

public:
    explicit GradientFill(QWidget *parent = nullptr);

    Gradient *gradient() const { return m_gradient; }

    // Sets the gradient's start colour, then its end colour; each change repaints at once.
    void setColors(Color start, Color end);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void gradientChanged();

    Gradient *m_gradient;
    // The bands at the fill's size and pixel ratio, drawn again only when one of them or the
    // gradient changes: each frame of a roll repaints the background behind the dice.
    QImage m_bands;
    QSize m_bandsSize;
};
