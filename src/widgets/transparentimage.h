#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// An image control that leaves one colour of its picture undrawn: the colour of the picture's
// bottom-left pixel. The picture sits at the top-left corner at its natural size, and whatever
// lies behind the control shows through everywhere else.
class TransparentImage : public QWidget
{
    Q_OBJECT

public:
    explicit TransparentImage(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    QPixmap m_masked;
};
