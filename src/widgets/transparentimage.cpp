#include "widgets/transparentimage.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

TransparentImage::TransparentImage(QWidget *parent) : QWidget(parent) { }

void TransparentImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_masked = QPixmap();
    if (!m_picture.isNull()) {
        m_masked = QPixmap::fromImage(m_picture);
        const QColor key = m_picture.pixelColor(0, m_picture.height() - 1);
        m_masked.setMask(m_masked.createMaskFromColor(key, Qt::MaskInColor));
    }
    update();
}

void TransparentImage::paintEvent(QPaintEvent *)
{
    if (m_masked.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_masked);
}

void TransparentImage::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->button());
}
