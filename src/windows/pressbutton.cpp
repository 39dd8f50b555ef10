#include "windows/pressbutton.h"

#include <QMouseEvent>

PressButton::PressButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    connect(this, &QPushButton::clicked, this, [this] {
        if (!m_releasingMouse)
            Q_EMIT activated();
    });
}

void PressButton::mousePressEvent(QMouseEvent *event)
{
    QPushButton::mousePressEvent(event);
    Q_EMIT activated();
}

void PressButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_releasingMouse = true;
    QPushButton::mouseReleaseEvent(event);
    m_releasingMouse = false;
}
