#include "widgets/kitpanelfill.h"

#include <QMouseEvent>
#include <QPainter>

TKitPanelFill::TKitPanelFill(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TKitPanelFill::setColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TKitPanelFill::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_color));
}

void TKitPanelFill::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
}

void TKitPanelFill::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool completed = m_leftPressed && rect().contains(event->position().toPoint());
    m_leftPressed = false;
    if (completed)
        Q_EMIT clicked();
}
