#pragma once

#include "base/color.h"
#include "widgets/activatable.h"

#include <QWidget>

// A colour swatch: its whole area in one colour, clickable with the left button, Space, Enter
// or a screen reader's Press action. Screen readers hear the colour as its name.
class ColorSwatch : public QWidget, public Activatable
{
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    Color color() const { return m_color; }
    void setColor(Color color);

    void activate() override;
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void nameColor();

    Color m_color = Colors::ButtonFace;
    bool m_leftPressed = false;
};
