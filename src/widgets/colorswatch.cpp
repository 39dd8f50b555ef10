#include "widgets/colorswatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ColorSwatch::ColorSwatch(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    makeActivatable(this);
    nameColor();
}

void ColorSwatch::setColor(Color color)
{
    if (color == m_color)
        return;
    m_color = color;
    nameColor();
    update();
}

void ColorSwatch::nameColor()
{
    const QColor shown = toQColor(m_color);
    setAccessibleName(QStringLiteral("Colour: red %1, green %2, blue %3")
                              .arg(shown.red())
                              .arg(shown.green())
                              .arg(shown.blue()));
}

void ColorSwatch::activate()
{
    Q_EMIT clicked();
}

void ColorSwatch::keyPressEvent(QKeyEvent *event)
{
    if (isActivationKey(event))
        activate();
    else
        QWidget::keyPressEvent(event);
}

void ColorSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_color));
    drawFocusFrame(this, painter);
}

void ColorSwatch::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool completed = m_leftPressed && rect().contains(event->position().toPoint());
    m_leftPressed = false;
    if (completed)
        Q_EMIT clicked();
}
