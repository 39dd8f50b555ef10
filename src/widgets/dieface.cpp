#include "widgets/dieface.h"

#include <QKeyEvent>
#include <QPainter>

DieFace::DieFace(QWidget *parent) : TransparentImage(parent)
{
    makeActivatable(this);
}

void DieFace::activate()
{
    Q_EMIT activated();
}

QString DieFace::actionName() const
{
    return QStringLiteral("Toggle hold");
}

void DieFace::paintEvent(QPaintEvent *event)
{
    TransparentImage::paintEvent(event);
    QPainter painter(this);
    drawFocusFrame(this, painter);
}

void DieFace::keyPressEvent(QKeyEvent *event)
{
    if (isActivationKey(event))
        activate();
    else
        TransparentImage::keyPressEvent(event);
}
