#pragma once

#include "widgets/scaledpicture.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

// An image control that leaves one colour of its picture undrawn: the colour of the picture's
// bottom-left pixel. The picture sits at the top-left corner at its natural size, drawn at the
// screen's resolution, and whatever lies behind the control shows through everywhere else.
class TransparentImage : public QWidget
{
    Q_OBJECT

public:
    explicit TransparentImage(QWidget *parent = nullptr);

    void setPicture(const ScaledPicture &picture);
    const QImage &picture() const { return m_picture.designed(); }
    bool hasPicture() const { return !m_picture.isNull(); }

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    ScaledPicture m_picture;
    // The picture for the screen it was last painted on, made again on a screen of another
    // scale.
    QPixmap m_masked;
};
