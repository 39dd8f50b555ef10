#pragma once

#include "widgets/kitcolor.h"

#include <QWidget>

// A colour swatch: its whole area in one colour, clickable with the left button.
class TKitPanelFill : public QWidget
{
    Q_OBJECT

public:
    explicit TKitPanelFill(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void setColor(TColor color);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TColor m_color = clBtnFace;
    bool m_leftPressed = false;
};
