#include "widgets/kitpanelfill.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TKitPanelFill::TKitPanelFill(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    makeActivatable(this);
    nameColor();
}

void TKitPanelFill::setColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    nameColor();
    update();
}

void TKitPanelFill::nameColor()
{
    const QColor shown = toQColor(m_color);
    setAccessibleName(QStringLiteral("Colour: red %1, green %2, blue %3")
                              .arg(shown.red())
                              .arg(shown.green())
                              .arg(shown.blue()));
}

void TKitPanelFill::activate()
{
    Q_EMIT clicked();
}

void TKitPanelFill::keyPressEvent(QKeyEvent *event)
{
    if (isActivationKey(event))
        activate();
    else
        QWidget::keyPressEvent(event);
}

void TKitPanelFill::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_color));
    drawFocusFrame(this, painter);
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
