#include "app/pressbutton.h"

#include <QMouseEvent>

void PressButton::mousePressEvent(QMouseEvent *event)
{
    QPushButton::mousePressEvent(event);
    Q_EMIT mouseDown(event->button());
}
