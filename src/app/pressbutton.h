#pragma once

#include <QPushButton>

// A push button that acts the moment any mouse button goes down over it, and never on the
// keyboard: "Ones" and "Twos" choose their category this way.
class PressButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
