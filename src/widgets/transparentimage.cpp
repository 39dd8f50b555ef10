#include "widgets/transparentimage.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

TransparentImage::TransparentImage(QWidget *parent) : QWidget(parent) { }

namespace {

// Each version has its own key colour, so that the corners stay clear at every scale; the
// mask is made before any resizing, which then smooths its edge.
QPixmap withKeyColourLeftOut(const QImage &version)
{
    QPixmap masked = QPixmap::fromImage(version);
    const QColor key = version.pixelColor(0, version.height() - 1);
    masked.setMask(masked.createMaskFromColor(key, Qt::MaskInColor));
    return masked;
}

} // namespace

void TransparentImage::setPicture(const ScaledPicture &picture)
{
    m_picture = picture;
    m_masked = QPixmap();
    update();
}

void TransparentImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    const qreal ratio = devicePixelRatio();
    if (m_masked.isNull() || m_masked.devicePixelRatio() != ratio)
        m_masked = m_picture.pixmapFor(ratio, withKeyColourLeftOut);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_masked);
}

void TransparentImage::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->button());
}
