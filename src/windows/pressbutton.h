#pragma once

#include <QPushButton>

// A push button that acts the moment any mouse button goes down over it: "Ones" and "Twos"
// choose their category this way. Without a mouse it acts on the keyboard (Space) and on a
// screen reader's Press action, once per activation; the click that ends a mouse press does
// not act a second time.
class PressButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PressButton(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void activated();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_releasingMouse = false;
};
