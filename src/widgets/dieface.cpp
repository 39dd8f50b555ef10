#include "widgets/dieface.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void DieFace::keyPressEvent(QKeyEvent *event)
{
    if (isActivationKey(event))
        activate();
    else
        TransparentImage::keyPressEvent(event);
}

void DieFace::focusInEvent(QFocusEvent *event)
{
    TransparentImage::focusInEvent(event);
    update();
}

void DieFace::focusOutEvent(QFocusEvent *event)
{
    TransparentImage::focusOutEvent(event);
    update();
}
