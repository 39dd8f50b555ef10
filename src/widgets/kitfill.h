#pragma once

#include "widgets/kitcolor.h"

#include <QWidget>

class TKitGradient;

// The gradient background of a window. It lies under every other control at a fixed place and
// size, leaves the mouse to the window, and repaints at once when its gradient changes.
class TKitFill : public QWidget
{
    Q_OBJECT

public:
    explicit TKitFill(QWidget *parent = nullptr);

    TKitGradient *Gradient() const { return m_gradient; }

    // Sets the gradient's start colour, then its end colour; each change repaints at once.
    void setColors(TColor start, TColor end);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void gradientChanged();

    TKitGradient *m_gradient;
};
