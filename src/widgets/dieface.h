#pragma once

#include "widgets/activatable.h"
#include "widgets/transparentimage.h"

// The picture of one die, which the player holds and frees. Besides a mouse press, Space
// while it has the focus and the accessible action "Toggle hold" ask for the same.
class DieFace : public TransparentImage, public Activatable
{
    Q_OBJECT

public:
    explicit DieFace(QWidget *parent = nullptr);

    void activate() override;
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    QString actionName() const override;

Q_SIGNALS:
    void activated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
